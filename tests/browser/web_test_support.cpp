#include "web_test_support.h"

#include "web/qt/engine_environment.h"
#include "web/qt/posting_browser.h"
#include "web/qt/script_literal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
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
    // Shared with the callback, which may still come after the wait gave up.
    struct Answer {
        QVariant value;
        bool done = false;
        QEventLoop loop;
    };
    const auto answer = std::make_shared<Answer>();
    page->runJavaScript(script, [answer](const QVariant& value) {
        answer->value = value;
        answer->done = true;
        answer->loop.quit();
    });
    QTimer::singleShot(5000, &answer->loop, &QEventLoop::quit);
    if (!answer->done)
        answer->loop.exec();
    return answer->value;
}

QStringList FieldValueAndColour(QWebEnginePage* page, const QString& name) {
    return RunScript(page, QString("(function(){ var e = document.getElementsByName(%1)[0];"
                                   " return [e.value, getComputedStyle(e).backgroundColor]; })()")
                               .arg(browser::ScriptStringLiteral(name)))
        .toStringList();
}

bool HandledAfter(browser::PostingBrowser* browser, const std::function<void()>& action,
                  bool* prefilled) {
    QSignalSpy handled(browser, &browser::PostingBrowser::documentHandled);
    action();
    if (!handled.wait(15000))
        return false;
    if (prefilled)
        *prefilled = handled.first().at(1).toBool();
    return true;
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
