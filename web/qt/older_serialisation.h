#pragma once

#include <string>
#include <string_view>

namespace pelorin::browser {

// Rewrites body HTML as the engine serialises it (every attribute value
// quoted) into the older form the posting-page markers expect: a value made
// only of ASCII letters, digits and -_.: loses its quotes, so name="QTH"
// reads name=QTH. Everything else (text, comments, script and style content,
// other values) is kept byte for byte. Works on UTF-8 and code page 932
// alike, since only ASCII bytes steer it.
std::string ToOlderSerialisation(std::string_view html);

} // namespace pelorin::browser
