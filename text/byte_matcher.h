#pragma once

#include <cstddef>
#include <string_view>

namespace pelorin::text {

// Finds a pattern byte-exactly (no character boundary rule). Pages are full
// of the "<", ">" and "=" that begin most patterns, so the scan looks with
// memchr for the pattern byte that is rarest in a sample of the text to be
// searched and compares the whole pattern only there.
class ByteMatcher {
public:
    // `sample` is the text (or a text like it) that will be searched. The
    // pattern must not be empty and must outlive the matcher.
    ByteMatcher(std::string_view sample, std::string_view pattern);

    // First match at or after `from`, or npos.
    std::size_t Next(std::string_view text, std::size_t from) const;

private:
    std::string_view pattern_;
    std::size_t anchor_;
};

} // namespace pelorin::text
