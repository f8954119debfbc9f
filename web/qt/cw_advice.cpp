#include "web/qt/cw_advice.h"

#include "spot/spot_items.h"
#include "text/search.h"
#include "text/trim.h"

namespace pelorin::browser {

bool NeedsCwAdvice(const CwAdviceInput& input) {
    if (input.hamlogPicked) {
        if (input.hamlogModeText != "CW")
            return false;
        const std::size_t point = text::Find(input.hamlogFreqText, ".");
        return point == std::string_view::npos || input.hamlogFreqText.size() < point + 1 + 4;
    }
    if (input.modeIndex != spot::kModeCw)
        return false;
    const std::string_view freq = text::Trim(input.freqText);
    if (freq.empty())
        return false;
    const std::size_t point = text::Find(freq, ".");
    return point == std::string_view::npos || point + 1 == freq.size();
}

} // namespace pelorin::browser
