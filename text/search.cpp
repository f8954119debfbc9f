#include "text/search.h"

#include "text/byte_matcher.h"

namespace pelorin::text {

bool IsCp932Boundary(std::string_view text, std::size_t pos, std::size_t known) {
    if (pos <= known || pos >= text.size())
        return pos == known || pos == text.size();
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

// Walks matches left to right, calling `onMatch(pos)` for each until it
// returns false. Keeps the last known boundary so boundary checks stay linear.
template <typename OnMatch>
void ForEachMatch(std::string_view text, std::string_view pattern, std::size_t from,
                  Encoding encoding, OnMatch onMatch) {
    if (pattern.empty() || from > text.size() || text.size() - from < pattern.size())
        return;
    const ByteMatcher matcher(text, pattern);
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

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, Encoding encoding) {
    std::string out;
    std::size_t copied = 0;
    ForEachMatch(text, pattern, 0, encoding, [&](std::size_t pos) {
        if (copied == 0 && out.empty())
            out.reserve(text.size() + replacement.size() + 64);
        out.append(text.substr(copied, pos - copied));
        out.append(replacement);
        copied = pos + pattern.size();
        return true;
    });
    if (copied == 0 && out.empty())
        return std::string(text);
    out.append(text.substr(copied));
    return out;
}

} // namespace pelorin::text
