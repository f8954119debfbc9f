#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelorin::text {

// Reads the number at the start of `s` the way strtod does in the "C" locale,
// whatever the user's locale: leading white space, optional sign, decimal or
// hexadecimal digits with an optional fraction and exponent, inf and nan.
// Whatever follows is ignored; no number at all reads as 0.
double ReadDouble(std::string_view s);

// Reads a base-10 integer the way strtol does on the 32-bit `long` of the
// platform the stored files come from: leading white space, optional sign,
// digits up to the first non-digit; 0 without digits, clamped on overflow.
std::int32_t ReadLong(std::string_view s);

// printf-style formatting, independent of the user's locale.
std::string FormatInt(std::int64_t value);         // "%d"
std::string FormatZeroPadded2(std::int64_t value); // "%02d"
std::string FormatFixed1(double value);            // "%.1f"

} // namespace pelorin::text
