#include "text/search.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace pelorin::text {

bool IsCp932Boundary(std::string_view text, std::size_t pos, std::size_t known) {
    if (pos <= known)
        return pos == known;
    // Bytes that cannot lead a double-byte character always end one, so the
    // character boundary right after the last such byte is certain; from
    // there, lead-range bytes pair up.
    std::size_t run = 0;
    std::size_t i = pos;
    while (i > known && IsCp932LeadByte(static_cast<unsigned char>(text[i - 1]))) {
        --i;
        ++run;
    }
    return run % 2 == 0;
}

namespace {

// Finds candidates byte-exactly; the boundary rule is applied on top. Pages
// are full of "<", ">" and "=" that begin most patterns, so the scan looks
// with memchr for the pattern byte that is rarest in a sample of the text
// and compares the whole pattern only there.
class Matcher {
public:
    Matcher(std::string_view text, std::string_view pattern)
        : pattern_(pattern), anchor_(RarestByte(text, pattern)) {}

    std::size_t Next(std::string_view text, std::size_t from) const {
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

private:
    static std::size_t RarestByte(std::string_view text, std::string_view pattern) {
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
        if (text.size() <= kSlices * kSliceSize) {
            tally(text);
        } else {
            const std::size_t step = (text.size() - kSliceSize) / (kSlices - 1);
            for (std::size_t i = 0; i < kSlices; ++i)
                tally(text.substr(i * step, kSliceSize));
        }
        std::size_t best = 0;
        for (std::size_t i = 1; i < pattern.size(); ++i) {
            if (count[static_cast<unsigned char>(pattern[i])] <
                count[static_cast<unsigned char>(pattern[best])])
                best = i;
        }
        return best;
    }

    std::string_view pattern_;
    std::size_t anchor_;
};

// Walks matches left to right, calling `onMatch(pos)` for each until it
// returns false. Keeps the last known boundary so boundary checks stay linear.
template <typename OnMatch>
void ForEachMatch(std::string_view text, std::string_view pattern, std::size_t from,
                  Encoding encoding, OnMatch onMatch) {
    if (pattern.empty() || from > text.size() || text.size() - from < pattern.size())
        return;
    const Matcher matcher(text, pattern);
    std::size_t known = from;
    std::size_t pos = from;
    for (;;) {
        const std::size_t hit = matcher.Next(text, pos);
        if (hit == std::string_view::npos)
            return;
        if (encoding == Encoding::Cp932 && !IsCp932Boundary(text, hit, known)) {
            // A trail byte: the next byte begins a character.
            known = hit + 1;
            pos = hit + 1;
            continue;
        }
        if (!onMatch(hit))
            return;
        pos = hit + pattern.size();
        known = pos;
    }
}

} // namespace

std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from,
                 Encoding encoding) {
    std::size_t found = std::string_view::npos;
    ForEachMatch(text, pattern, from, encoding, [&](std::size_t pos) {
        found = pos;
        return false;
    });
    return found;
}

bool ReplaceAllInto(std::string_view text, std::string_view pattern, std::string_view replacement,
                    std::string& out, Encoding encoding) {
    bool matched = false;
    std::size_t copied = 0;
    ForEachMatch(text, pattern, 0, encoding, [&](std::size_t pos) {
        if (!matched) {
            matched = true;
            out.clear();
            // Room for a handful of matches; more grow the string as usual.
            if (replacement.size() > pattern.size())
                out.reserve(text.size() + 8 * (replacement.size() - pattern.size()));
            else
                out.reserve(text.size());
        }
        out.append(text.substr(copied, pos - copied));
        out.append(replacement);
        copied = pos + pattern.size();
        return true;
    });
    if (matched)
        out.append(text.substr(copied));
    return matched;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, Encoding encoding) {
    std::string out;
    if (!ReplaceAllInto(text, pattern, replacement, out, encoding))
        out.assign(text);
    return out;
}

} // namespace pelorin::text
