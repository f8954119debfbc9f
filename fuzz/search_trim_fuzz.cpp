// Find on both encodings against a plain search, and Trim against its rule.

#include "fuzz/fuzz_input.h"
#include "text/search.h"
#include "text/trim.h"

#include <cstdlib>

using namespace pelorin;

namespace {

std::size_t PlainFind(std::string_view text, std::string_view pattern, std::size_t from,
                      bool cp932) {
    if (pattern.empty())
        return std::string_view::npos;
    const std::vector<bool> starts = fuzz::Cp932Starts(text);
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        if ((!cp932 || starts[i]) && text.substr(i, pattern.size()) == pattern)
            return i;
    }
    return std::string_view::npos;
}

std::string_view PlainTrim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 0x20)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 0x20)
        s.remove_suffix(1);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    const std::string pattern = in.Text();
    const std::string text(in.Rest());
    // `from` must be a character start on code page 932.
    const std::vector<bool> starts = fuzz::Cp932Starts(text);
    std::size_t from = text.empty() ? 0 : flags % (text.size() + 1);
    while (!starts[from])
        --from;
    for (const bool cp932 : {false, true}) {
        const auto encoding = cp932 ? text::Encoding::Cp932 : text::Encoding::Utf8;
        if (text::Find(text, pattern, from, encoding) != PlainFind(text, pattern, from, cp932))
            std::abort();
    }
    for (std::size_t pos = 0; pos <= text.size(); ++pos) {
        if (text::IsCp932Boundary(text, pos) != starts[pos])
            std::abort();
    }
    if (text::Trim(text) != PlainTrim(text) || text::Trim(text).data() < text.data())
        std::abort();
    return 0;
}
