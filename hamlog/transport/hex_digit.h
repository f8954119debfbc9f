#pragma once

// Shared by the bridge's line protocol and the substitute Hamlog's scenario
// texts; both are built with MinGW-w64 too, so this stays plain C++.
namespace pelorin::hamlog {

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

} // namespace pelorin::hamlog
