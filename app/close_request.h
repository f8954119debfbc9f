#pragma once

#include <QObject>
#include <functional>

namespace pelorin::app {

// Turns SIGTERM and SIGINT into a request to close the main window, so that
// a session manager or a terminal ends the program the same way as the
// window's close box: with the settings saved.
void CloseOnTerminationSignals(QObject* owner, std::function<void()> close);

} // namespace pelorin::app
