#include "tools/kumovi_standin/form_decoding.h"

#include "text/cp932_codec.h"
#include "text/hex_digit.h"

namespace pelorin::standin {
std::string PercentDecode(std::string_view encoded) {
    std::string out;
    out.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < encoded.size() && text::HexDigitValue(encoded[i + 1]) >= 0 &&
                   text::HexDigitValue(encoded[i + 2]) >= 0) {
            out += static_cast<char>(text::HexDigitValue(encoded[i + 1]) * 16 +
                                     text::HexDigitValue(encoded[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

FormFields DecodeForm(std::string_view encoded) {
    FormFields fields;
    while (!encoded.empty()) {
        const std::size_t amp = encoded.find('&');
        const std::string_view pair = encoded.substr(0, amp);
        encoded = amp == std::string_view::npos ? std::string_view() : encoded.substr(amp + 1);
        if (pair.empty())
            continue;
        const std::size_t eq = pair.find('=');
        const std::string_view name = pair.substr(0, eq);
        const std::string_view value =
            eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
        fields.emplace_back(text::Cp932ToUtf8(PercentDecode(name)),
                            text::Cp932ToUtf8(PercentDecode(value)));
    }
    return fields;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace pelorin::standin
