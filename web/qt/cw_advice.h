#pragma once

#include <string_view>

namespace pelorin::browser {

// What the cluster button looks at before it opens the posting page. Texts
// are code page 932 bytes.
struct CwAdviceInput {
    bool hamlogPicked = false;
    std::string_view hamlogModeText; // the picked record's mode, trimmed
    std::string_view hamlogFreqText; // the picked record's frequency in MHz, trimmed
    int modeIndex = -1;              // selected item of the mode list, -1 for none
    std::string_view freqText;       // the frequency field's text as shown
};

// True when a CW spot lacks its 0.1 kHz digit. A record from Hamlog is judged
// by its own MHz text (four digits after the point); a typed spot by the
// frequency field (some digit after the point).
bool NeedsCwAdvice(const CwAdviceInput& input);

} // namespace pelorin::browser
