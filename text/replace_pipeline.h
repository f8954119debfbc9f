#pragma once

#include "text/search.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::text {

// Replace-all steps applied one after the other, each exactly as ReplaceAll
// on the whole result of the step before. The text streams through all steps
// in small pieces, so a large text is read and written once instead of once
// per step, and the pieces stay in the processor's cache.
class ReplacePipeline {
public:
    static constexpr std::size_t kDefaultPieceSize = 16 * 1024;

    explicit ReplacePipeline(Encoding encoding) : encoding_(encoding) {}

    void AddStep(std::string_view pattern, std::string_view replacement);

    // `pieceSize` only changes how the work is cut, never the result.
    std::string Run(std::string_view text, std::size_t pieceSize = kDefaultPieceSize) const;

private:
    struct Step {
        std::string pattern;
        std::string replacement;
    };

    Encoding encoding_;
    std::vector<Step> steps_;
};

} // namespace pelorin::text
