#include "settings/history_list.h"

#include "text/crlf_lines.h"
#include "text/search.h"
#include "text/trim.h"

namespace pelorin::settings {

std::string EncodeHistory(const std::vector<std::string>& entries) {
    std::string out;
    for (const std::string& entry : entries) {
        out += text::Trim(entry);
        out += "\\r\\n";
    }
    return out;
}

std::vector<std::string> DecodeHistory(std::string_view value) {
    // The code page 932 search never matches a backslash that is the trail
    // byte of a double-byte character, such as the one in "ソ".
    const std::string decoded = text::ReplaceAll(text::ReplaceAll(value, "\\r", "\r"), "\\n", "\n");
    const text::CrLfLines lines(decoded);
    std::vector<std::string> entries;
    entries.reserve(lines.Count());
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        std::string entry;
        for (char c : text::Trim(lines.Line(i)))
            if (c != '\r' && c != '\n')
                entry += c;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace pelorin::settings
