#pragma once

// Cuts a fuzz input into a few texts at a separator byte, so that one input
// can carry a text, patterns and values.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // One byte, or 0 when the input is used up.
    std::uint8_t Byte() {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }

    // The text up to the next 0xFF byte (or the end).
    std::string Text() {
        const std::size_t end = rest_.find('\xFF');
        std::string part(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return part;
    }

    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

inline bool IsLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The character starts of a code page 932 text, found by walking it from
// the front: a lead-range byte takes the byte after it, whatever it is.
inline std::vector<bool> Cp932Starts(std::string_view text) {
    std::vector<bool> starts(text.size() + 1, false);
    std::size_t i = 0;
    while (i < text.size()) {
        starts[i] = true;
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    starts[text.size()] = true; // the end counts as a boundary
    return starts;
}

// Replace-all written the plain way: try every position from the left. The
// text after a match is read afresh, so its first byte begins a character
// even when the pattern ended inside one.
inline std::string PlainReplaceAll(std::string_view text, std::string_view pattern,
                                   std::string_view replacement, bool cp932) {
    if (pattern.empty())
        return std::string(text);
    std::string out;
    std::size_t i = 0;
    std::size_t nextStart = 0;
    while (i < text.size()) {
        if ((!cp932 || i == nextStart) && text.substr(i, pattern.size()) == pattern) {
            out += replacement;
            i += pattern.size();
            nextStart = i;
            continue;
        }
        if (i == nextStart)
            nextStart = i + (IsLeadByte(text[i]) ? 2 : 1);
        out += text[i];
        ++i;
    }
    return out;
}

} // namespace pelorin::fuzz
