#pragma once

#include <QProcess>
#include <QString>
#include <QVariant>

class QWebEnginePage;

namespace pelorin::testing {

// The stand-in service as a child process on a free loopback port.
class Standin {
public:
    Standin();
    ~Standin();
    Standin(const Standin&) = delete;
    Standin& operator=(const Standin&) = delete;

    // Base address such as http://127.0.0.1:40123, or empty when it did not start.
    const QString& Base() const { return base_; }
    QString PostingPage() const { return base_ + "/kumovi/submit.asp"; }
    // The forms received so far, as the service records them (JSON).
    QByteArray Submissions() const;

private:
    QProcess process_;
    QString base_;
};

// Runs a script in the page's own world and waits for its result.
QVariant RunScript(QWebEnginePage* page, const QString& script);

// Sets up the engine and the application object, then runs the tests. Only
// listing the tests needs no engine.
int RunWebEngineTests(int argc, char* argv[]);

} // namespace pelorin::testing
