#pragma once

#include <string>
#include <string_view>

namespace pelorin::text {

// Conversions between code page 932 bytes (the Microsoft table, as ICU's
// "windows-31j") and Unicode. Encoding writes "?" for a character the code
// page cannot hold; decoding turns malformed bytes into U+FFFD and never fails.
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);
std::u16string Cp932ToUtf16(std::string_view cp932);
std::string Utf16ToCp932(std::u16string_view utf16);

// Whether every character of `utf8` survives a trip through code page 932.
bool FitsCp932(std::string_view utf8);

} // namespace pelorin::text
