#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class QWebEnginePage;

namespace pelorin::browser {
class PostingBrowser;
}

namespace pelorin::testing {

// A field's background in its two colour states, as the engine computes it.
inline const QString kYellow = "rgb(255, 255, 0)";
inline const QString kLightGreen = "rgb(63, 255, 63)";

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

// Value and computed background colour of the page's first element called `name`.
QStringList FieldValueAndColour(QWebEnginePage* page, const QString& name);

// Runs `action` and waits until `browser` is done with the document that
// follows; `prefilled`, when given, receives whether its body was rewritten.
bool HandledAfter(browser::PostingBrowser* browser, const std::function<void()>& action,
                  bool* prefilled = nullptr);

// Sets up the engine and the application object, then runs the tests. Only
// listing the tests needs no engine.
int RunWebEngineTests(int argc, char* argv[]);

} // namespace pelorin::testing
