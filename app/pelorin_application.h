#pragma once

#include <QApplication>

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

} // namespace pelorin::app
