#pragma once

#include "text/hex_digit.h"

#include <cstdio>
#include <string>
#include <string_view>

// The escapes of the substitute Hamlog's scenario texts, titles and log:
// \r \n \t \\ and \xHH, so any bytes fit on one line of text.
namespace pelorin::tools {

inline std::string UnescapeScenarioText(std::string_view in) {
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\' || i + 1 == in.size()) {
            out.push_back(in[i]);
            continue;
        }
        const char next = in[++i];
        if (next == 'r') {
            out.push_back('\r');
        } else if (next == 'n') {
            out.push_back('\n');
        } else if (next == 't') {
            out.push_back('\t');
        } else if (next == 'x' && i + 2 < in.size() && text::HexDigitValue(in[i + 1]) >= 0 &&
                   text::HexDigitValue(in[i + 2]) >= 0) {
            out.push_back(static_cast<char>(text::HexDigitValue(in[i + 1]) * 16 +
                                            text::HexDigitValue(in[i + 2])));
            i += 2;
        } else {
            out.push_back(next);
        }
    }
    return out;
}

// Printable ASCII stays; every other byte, and the blank, becomes \xHH.
inline std::string EscapeScenarioText(std::string_view in) {
    std::string out;
    char hex[8];
    for (const unsigned char c : in) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x21 || c > 0x7E) {
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

} // namespace pelorin::tools
