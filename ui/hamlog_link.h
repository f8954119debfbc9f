#pragma once

#include "ui/hamlog_query_thread.h"

namespace pelorin::ui {

class HamlogButton;
class TForm1;
class TForm2;

struct HamlogLink {
    TForm2* form2;
    HamlogButton* button;
};

// Creates the hidden reference list window Form2 for `form1` and wires the
// Hamlog button and the pick to it. Both belong to `form1` from then on.
HamlogLink ConnectHamlog(TForm1& form1, HamlogQueryThread::PortFactory makePort);

} // namespace pelorin::ui
