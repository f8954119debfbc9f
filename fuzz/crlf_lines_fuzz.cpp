// The CR LF line splitter against a plain one.

#include "text/crlf_lines.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> expected;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            expected.push_back(line);
            line.clear();
            ++i;
        } else {
            line += text[i];
        }
    }
    if (!line.empty())
        expected.push_back(line);

    const pelorin::text::CrLfLines lines(text);
    if (lines.Count() != expected.size())
        std::abort();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (lines.Line(i) != expected[i])
            std::abort();
    }
    if (!lines.Line(expected.size()).empty())
        std::abort();
    return 0;
}
