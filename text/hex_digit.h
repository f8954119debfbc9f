#pragma once

// Header-only and free of other includes: the Hamlog bridge and the
// substitute Hamlog, built with MinGW-w64, use it too.
namespace pelorin::text {

// The value of a hexadecimal digit of either case, -1 for any other byte.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace pelorin::text
