#pragma once

#include "text/search.h"

#include <string>
#include <string_view>

namespace pelorin::web {

// One spot field as the posting page receives it.
struct SpotEntry {
    std::string value; // trimmed; in the encoding of the page
    bool confirmed = false;
};

// The seven spot fields at the moment a page completes. For the two lists an
// empty value means no item is selected: that list then adds nothing.
struct SpotSnapshot {
    SpotEntry callsign;
    SpotEntry frequency;
    SpotEntry operatingStyle;
    SpotEntry mode;
    SpotEntry location;
    SpotEntry comment;
    SpotEntry password;
};

// Rewrites a posting page so its form holds the spot, each field marked with
// its confirmation colour: 16 replace-all steps at fixed markers. Page,
// values and result share one encoding; on code page 932 a marker never
// matches from the second byte of a character. Values are trimmed and
// inserted HTML-escaped, so the form submits exactly what the user typed.
std::string PrefillPostingPage(std::string_view page, const SpotSnapshot& spot,
                               text::Encoding encoding);

} // namespace pelorin::web
