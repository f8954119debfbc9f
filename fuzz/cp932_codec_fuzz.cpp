// The converters survive any bytes, and text that fits the code page comes
// back unchanged from a round trip.

#include "text/cp932_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace pelorin::text;

namespace {

// Well-formed UTF-8: shortest forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            n = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size())
                return false;
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (t & 0x3F);
        }
        if ((n == 2 && c < 0x800) || (n == 3 && c < 0x10000) || c > 0x10FFFF ||
            (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // As code page 932: decoding never fails (every byte yields at least a
    // substitute, so only an empty text decodes to nothing), and both
    // decoders agree.
    const std::string utf8 = Cp932ToUtf8(bytes);
    if (utf8.empty() != bytes.empty())
        std::abort();
    if (Utf8ToCp932(utf8) != Utf16ToCp932(Cp932ToUtf16(bytes)))
        std::abort();

    // As UTF-8: whatever the code page holds survives the trip.
    const std::string there = Utf8ToCp932(bytes);
    if (IsUtf8(bytes) && FitsCp932(bytes) && Cp932ToUtf8(there) != bytes)
        std::abort();
    return 0;
}
