#pragma once

#include "hamlog/hamlog_port.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

namespace pelorin::ui {

// One long-lived thread that owns the Hamlog port and runs the queries, so a
// slow or hung Hamlog never blocks the windows. The port is made, used and
// destroyed on that thread alone: a Win32 reply window only receives on the
// thread that created it.
class HamlogQueryThread {
public:
    using PortFactory = std::function<std::unique_ptr<hamlog::HamlogPort>()>;

    explicit HamlogQueryThread(PortFactory makePort);
    ~HamlogQueryThread();
    HamlogQueryThread(const HamlogQueryThread&) = delete;
    HamlogQueryThread& operator=(const HamlogQueryThread&) = delete;

    // Runs `job` on the query thread, then `done` on the thread that made this
    // object (unless `context` is gone by then). Refused, returning false, while an
    // earlier job has not reached its `done`.
    bool Run(std::function<void(hamlog::HamlogPort&)> job, QObject* context,
             std::function<void()> done);

    bool Busy() const { return busy_; }

private:
    PortFactory makePort_;
    std::unique_ptr<hamlog::HamlogPort> port_; // touched on thread_ only
    QThread thread_;
    QObject* worker_;   // lives on thread_
    QObject receiver_;  // lives on the caller's thread; takes the completions
    bool busy_ = false; // touched on the caller's thread only
};

} // namespace pelorin::ui
