#pragma once

#include <string>
#include <string_view>

namespace pelorin::web {

// Escapes a value for a double-quoted attribute: & " < > become character
// references, so the browser shows and submits exactly the value. "=" is
// written as a reference too, so that no marker of a later rewrite step
// ("name=Password", ">CW<") can ever be found inside an inserted value. Works
// on UTF-8 and on code page 932 bytes alike: none of these bytes can be the
// second byte of a double-byte character.
std::string EscapeAttributeValue(std::string_view value);

// Escapes a value the way a browser writes it as element text when it
// serialises a page: & < > become character references, the quotation mark
// stays. A value searched for in such text must be written the same way.
std::string EscapeElementText(std::string_view value);

} // namespace pelorin::web
