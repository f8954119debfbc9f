#pragma once

namespace pelorin::ui {

class TForm1;
class TForm2;

// Takes the row selected in the reference list (if any) into the spot fields
// of the main window, runs the six Enter actions, marks what needs checking
// and, with a password present, goes on to the posting page.
void ApplyPickedRecord(TForm1& form1, TForm2& form2);

} // namespace pelorin::ui
