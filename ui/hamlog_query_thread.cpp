#include "ui/hamlog_query_thread.h"

#include <QPointer>

namespace pelorin::ui {

HamlogQueryThread::HamlogQueryThread(PortFactory makePort)
    : makePort_(std::move(makePort)), worker_(new QObject) {
    thread_.setObjectName(QStringLiteral("HamlogQuery"));
    worker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

HamlogQueryThread::~HamlogQueryThread() {
    // Let a running query end (its sends are bounded by their time limits),
    // then drop the port on the thread that made it.
    QMetaObject::invokeMethod(
        worker_, [this] { port_.reset(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

bool HamlogQueryThread::Run(std::function<void(hamlog::HamlogPort&)> job, QObject* context,
                            std::function<void()> done) {
    if (busy_)
        return false;
    busy_ = true;
    QPointer<QObject> guard(context);
    QMetaObject::invokeMethod(
        worker_,
        [this, job = std::move(job), guard, done = std::move(done)] {
            if (!port_)
                port_ = makePort_();
            if (port_)
                job(*port_);
            QMetaObject::invokeMethod(
                &receiver_,
                [this, guard, done] {
                    busy_ = false;
                    if (guard)
                        done();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return true;
}

} // namespace pelorin::ui
