// ReplaceAll and the streamed pipeline against a plain replace-all.

#include "fuzz/fuzz_input.h"
#include "text/replace_pipeline.h"
#include "text/search.h"

#include <cstdlib>

using namespace pelorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    const bool cp932 = flags & 1;
    const auto encoding = cp932 ? text::Encoding::Cp932 : text::Encoding::Utf8;
    const std::size_t pieceSize = in.Byte() % 24 + 1;
    const std::string page = in.Text();

    text::ReplacePipeline pipeline(encoding);
    std::string expected = page;
    for (int step = 0; step < 4 && !in.Rest().empty(); ++step) {
        const std::string pattern = in.Text();
        const std::string replacement = in.Text();
        const std::string once = text::ReplaceAll(expected, pattern, replacement, encoding);
        const std::string plain = fuzz::PlainReplaceAll(expected, pattern, replacement, cp932);
        if (once != plain)
            std::abort();
        pipeline.AddStep(pattern, replacement);
        expected = plain;
    }
    if (pipeline.Run(page, pieceSize) != expected || pipeline.Run(page) != expected)
        std::abort();
    return 0;
}
