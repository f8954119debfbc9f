#include "web_test_support.h"

#include "web/qt/engine_environment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QWebEnginePage>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>

namespace pelorin::testing {

Standin::Standin() {
    process_.setProgram(QStringLiteral(KUMOVI_STANDIN_PATH));
    process_.setArguments({"--port", "0"});
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    // Ends with the test process even when that one aborts.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start();
    if (!process_.waitForStarted(5000))
        return;
    QElapsedTimer timer;
    timer.start();
    while (!process_.canReadLine() && timer.elapsed() < 5000)
        process_.waitForReadyRead(200);
    base_ = QString::fromLatin1(process_.readLine()).trimmed();
}

Standin::~Standin() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
        process_.waitForFinished(1000);
    }
}

QByteArray Standin::Submissions() const {
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(base_ + "/kumovi/submissions")));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray body = reply->readAll();
    delete reply;
    return body;
}

QVariant RunScript(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    QEventLoop loop;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (!done)
        loop.exec();
    return result;
}

int RunWebEngineTests(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    browser::PrepareWebEngine();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace pelorin::testing
