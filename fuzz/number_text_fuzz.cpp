// ReadDouble against strtod in the C locale, ReadLong against strtol clamped
// to 32 bits.

#include "text/number_text.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size); // NUL-terminated copy

    const double expected = std::strtod(text.c_str(), nullptr);
    const double read = pelorin::text::ReadDouble(text);
    const bool same = std::isnan(expected)
                          ? std::isnan(read)
                          : std::memcmp(&expected, &read, sizeof read) == 0; // also the sign of 0
    if (!same)
        std::abort();

    long wide = std::strtol(text.c_str(), nullptr, 10);
    if (wide > INT32_MAX)
        wide = INT32_MAX;
    if (wide < INT32_MIN)
        wide = INT32_MIN;
    if (pelorin::text::ReadLong(text) != wide)
        std::abort();
    return 0;
}
