#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace pelorin::text {

// A text cut into lines at CR LF only. A final CR LF gives no empty last line,
// an empty text has no lines, and a line past the end reads as empty. The
// lines view the text, which must outlive them.
class CrLfLines {
public:
    CrLfLines() = default;
    explicit CrLfLines(std::string_view text);

    std::size_t Count() const { return lines_.size(); }
    std::string_view Line(std::size_t index) const {
        return index < lines_.size() ? lines_[index] : std::string_view();
    }

private:
    std::vector<std::string_view> lines_;
};

} // namespace pelorin::text
