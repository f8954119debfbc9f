#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelorin::text {

// How a byte string is to be read when searching it. In code page 932 a match
// must not begin on the second byte of a double-byte character; UTF-8 cannot
// produce such a match, so it needs no boundary check.
enum class Encoding { Cp932, Utf8 };

constexpr bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// True when `pos` begins a code page 932 character of `text` (or is its end).
// `known` must be a character boundary at or before `pos`; the check never
// looks before it, which keeps repeated checks linear.
bool IsCp932Boundary(std::string_view text, std::size_t pos, std::size_t known = 0);

// First match of `pattern` at or after `from` (itself a character boundary),
// or npos. An empty pattern never matches.
std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from = 0,
                 Encoding encoding = Encoding::Cp932);

inline bool Contains(std::string_view text, std::string_view pattern,
                     Encoding encoding = Encoding::Cp932) {
    return Find(text, pattern, 0, encoding) != std::string_view::npos;
}

// One left-to-right pass over non-overlapping matches; inserted text is never
// scanned again. Linear in the size of text and result.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, Encoding encoding = Encoding::Cp932);

// The same pass, written into `out` (its storage is reused) only when the
// pattern occurs; `out` is left alone otherwise. Returns whether it occurred.
// `out` must not hold `text`.
bool ReplaceAllInto(std::string_view text, std::string_view pattern, std::string_view replacement,
                    std::string& out, Encoding encoding = Encoding::Cp932);

} // namespace pelorin::text
