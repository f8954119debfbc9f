#include "ui/program_state.h"

#include <QGuiApplication>

namespace pelorin::ui {

bool RealShiftAndCtrlHeld() {
    // The keyboard's state now, not that of the last input event: the test
    // also runs at start-up, before any event has arrived.
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    return held.testFlag(Qt::ShiftModifier) && held.testFlag(Qt::ControlModifier);
}

} // namespace pelorin::ui
