#include "text/search.h"

#include <algorithm>
#include <functional>

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

// Finds candidates byte-exactly, fast; the boundary rule is applied on top.
class Matcher {
public:
    explicit Matcher(std::string_view pattern)
        : pattern_(pattern), searcher_(pattern.begin(), pattern.end()) {}

    std::size_t Next(std::string_view text, std::size_t from) const {
        if (pattern_.size() <= 2)
            return text.find(pattern_, from);
        auto [first, last] = searcher_(text.begin() + static_cast<std::ptrdiff_t>(from), text.end());
        (void)last;
        return first == text.end() ? std::string_view::npos
                                   : static_cast<std::size_t>(first - text.begin());
    }

private:
    std::string_view pattern_;
    std::boyer_moore_horspool_searcher<std::string_view::const_iterator> searcher_;
};

// Walks matches left to right, calling `onMatch(pos)` for each; returns
// nothing. Keeps the last known boundary so boundary checks stay linear.
template <typename OnMatch>
void ForEachMatch(std::string_view text, std::string_view pattern, std::size_t from,
                  Encoding encoding, bool allMatches, OnMatch onMatch) {
    if (pattern.empty() || from > text.size())
        return;
    const Matcher matcher(pattern);
    std::size_t known = from;
    std::size_t pos = from;
    while (pos + pattern.size() <= text.size()) {
        const std::size_t hit = matcher.Next(text, pos);
        if (hit == std::string_view::npos)
            return;
        if (encoding == Encoding::Cp932 && !IsCp932Boundary(text, hit, known)) {
            // A trail byte: the next byte begins a character.
            known = hit + 1;
            pos = hit + 1;
            continue;
        }
        onMatch(hit);
        if (!allMatches)
            return;
        pos = hit + pattern.size();
        known = pos;
    }
}

} // namespace

std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from,
                 Encoding encoding) {
    std::size_t found = std::string_view::npos;
    ForEachMatch(text, pattern, from, encoding, false, [&](std::size_t pos) { found = pos; });
    return found;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, Encoding encoding) {
    std::string out;
    std::size_t copied = 0;
    ForEachMatch(text, pattern, 0, encoding, true, [&](std::size_t pos) {
        if (copied == 0 && out.empty())
            out.reserve(text.size() + replacement.size() + 64);
        out.append(text.substr(copied, pos - copied));
        out.append(replacement);
        copied = pos + pattern.size();
    });
    if (copied == 0 && out.empty())
        return std::string(text);
    out.append(text.substr(copied));
    return out;
}

} // namespace pelorin::text
