#include "app/close_request.h"

namespace pelorin::app {

// Windows sends WM_CLOSE itself; there is nothing to translate.
void CloseOnTerminationSignals(QObject*, std::function<void()>) {}

} // namespace pelorin::app
