#include "text/number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace pelorin::text {

namespace {

constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// strtod's result for text that from_chars rejected as out of range: the
// magnitude is then either too large (HUGE_VAL) or too small (zero).
double OutOfRange(std::string_view digits, std::chars_format format) {
    // Decide by parsing again as long double, which has the larger range on
    // the platforms we build for; fall back to the sign of the exponent.
    long double wide = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), wide, format);
    (void)ptr;
    if (ec == std::errc())
        return wide > 1 ? HUGE_VAL : 0.0;
    const auto e = digits.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
    if (e == std::string_view::npos || e + 1 >= digits.size())
        return HUGE_VAL;
    return digits[e + 1] == '-' ? 0.0 : HUGE_VAL;
}

// The hexadecimal number at the start of `s`, cut before a "p" that starts
// no exponent: some from_chars take "p+-1" as an exponent, strtod does not.
std::string_view HexNumberPrefix(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsHexDigit(s[i]))
        ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsHexDigit(s[i]))
            ++i;
    }
    if (i < s.size() && (s[i] == 'p' || s[i] == 'P')) {
        std::size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (e < s.size() && IsDigit(s[e])) {
            while (e < s.size() && IsDigit(s[e]))
                ++e;
            return s.substr(0, e);
        }
    }
    return s.substr(0, i);
}

} // namespace

double ReadDouble(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string_view rest = s.substr(i);
    // from_chars would take a second sign; strtod reads no number then.
    if (!rest.empty() && rest.front() == '-')
        return 0.0;
    auto format = std::chars_format::general;
    // "0x" starts a hexadecimal float only when a hex digit (or ".hexdigit")
    // follows; otherwise strtod reads the lone 0.
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        const std::string_view after = rest.substr(2);
        const bool hexFollows = (!after.empty() && IsHexDigit(after[0])) ||
                                (after.size() >= 2 && after[0] == '.' && IsHexDigit(after[1]));
        if (hexFollows) {
            rest = HexNumberPrefix(after);
            format = std::chars_format::hex;
        }
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value, format);
    if (ec == std::errc::invalid_argument)
        return 0.0; // no number at all: strtod gives +0 even after a "-"
    if (ec == std::errc::result_out_of_range)
        value = OutOfRange(rest.substr(0, static_cast<std::size_t>(ptr - rest.data())), format);
    return negative ? -value : value;
}

std::int32_t ReadLong(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t magnitude = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > kMax + 1)
            magnitude = kMax + 1; // saturate; only the clamp below matters now
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax)
        return static_cast<std::int32_t>(kMax);
    if (value < kMin)
        return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

std::string FormatInt(std::int64_t value) {
    char buf[24];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    return std::string(buf, ptr);
}

std::string FormatZeroPadded2(std::int64_t value) {
    // The magnitude as unsigned: negating the smallest value would overflow.
    const std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                              : static_cast<std::uint64_t>(value);
    char buf[24];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, magnitude);
    (void)ec;
    std::string digits(buf, ptr);
    // The width of 2 includes the sign.
    const std::size_t width = value < 0 ? 1 : 2;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string FormatFixed1(double value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[400];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 1);
    (void)ec;
    return std::string(buf, ptr);
}

} // namespace pelorin::text
