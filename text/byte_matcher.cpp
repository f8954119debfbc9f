#include "text/byte_matcher.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace pelorin::text {

namespace {

std::size_t RarestByte(std::string_view sample, std::string_view pattern) {
    if (pattern.size() <= 1)
        return 0;
    // A few slices spread over the text stand for all of it.
    constexpr std::size_t kSlices = 16;
    constexpr std::size_t kSliceSize = 64;
    std::array<std::uint32_t, 256> count{};
    auto tally = [&](std::string_view part) {
        for (const char c : part)
            ++count[static_cast<unsigned char>(c)];
    };
    if (sample.size() <= kSlices * kSliceSize) {
        tally(sample);
    } else {
        const std::size_t step = (sample.size() - kSliceSize) / (kSlices - 1);
        for (std::size_t i = 0; i < kSlices; ++i)
            tally(sample.substr(i * step, kSliceSize));
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < pattern.size(); ++i) {
        if (count[static_cast<unsigned char>(pattern[i])] <
            count[static_cast<unsigned char>(pattern[best])])
            best = i;
    }
    return best;
}

} // namespace

ByteMatcher::ByteMatcher(std::string_view sample, std::string_view pattern)
    : pattern_(pattern), anchor_(RarestByte(sample, pattern)) {}

std::size_t ByteMatcher::Next(std::string_view text, std::size_t from) const {
    const std::size_t m = pattern_.size();
    if (from > text.size() || text.size() - from < m)
        return std::string_view::npos;
    const char* const base = text.data();
    const char needle = pattern_[anchor_];
    // Anchor positions run from `from + anchor_` to `last`, both included.
    const std::size_t last = text.size() - m + anchor_;
    std::size_t pos = from + anchor_;
    while (pos <= last) {
        const void* hit = std::memchr(base + pos, needle, last - pos + 1);
        if (hit == nullptr)
            return std::string_view::npos;
        const std::size_t start =
            static_cast<std::size_t>(static_cast<const char*>(hit) - base) - anchor_;
        if (base[start] == pattern_[0] && base[start + m - 1] == pattern_[m - 1] &&
            std::memcmp(base + start, pattern_.data(), m) == 0)
            return start;
        pos = start + anchor_ + 1;
    }
    return std::string_view::npos;
}

} // namespace pelorin::text
