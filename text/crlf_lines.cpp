#include "text/crlf_lines.h"

namespace pelorin::text {

CrLfLines::CrLfLines(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.push_back(text.substr(start));
            return;
        }
        lines_.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

} // namespace pelorin::text
