#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace pelorin::app {

// Shows an exception thrown inside an event handler and goes on, so one
// failing action does not take the program and its unsaved settings down.
class PelorinApplication : public QApplication {
public:
    PelorinApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard error box: the message under the program's title.
void ShowException(const std::string& message);

// Creates the application and runs `body` under RunGuarded. An exception that
// escapes `body` is reported while the application still exists, so that its
// error box can be shown at all; the exit code is then 2.
int RunApplication(int& argc, char** argv, const std::function<int()>& body,
                   const std::function<void(const std::string&)>& report = ShowException);

} // namespace pelorin::app
