#include "spot/spot_rules.h"

#include "spot/band_table.h"
#include "spot/spot_items.h"
#include "text/number_text.h"
#include "text/search.h"
#include "text/trim.h"

#include <algorithm>
#include <array>

namespace pelorin::spot {

using text::Contains;

int StyleFromCallsign(std::string_view callsign) {
    static constexpr std::array<std::string_view, 11> kPortable = {
        "/0", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/JD1"};
    if (std::any_of(kPortable.begin(), kPortable.end(),
                    [&](std::string_view s) { return Contains(callsign, s); }))
        return kStylePortable;
    if (Contains(callsign, "/MM"))
        return kStyleMaritime;
    if (Contains(callsign, "/M"))
        return kStyleMobile;
    // A station signing /QRP is low power, not mobile.
    if (Contains(callsign, "/QRP"))
        return kStyleQrp;
    if (Contains(callsign, "/"))
        return kStyleNone;
    return kStyleFixed;
}

bool InAmateurBand(std::string_view frequencyText) {
    const double x = text::ReadDouble(frequencyText) + 0.000001;
    return std::any_of(kBandTable.begin(), kBandTable.end(),
                       [x](const Band& b) { return b.lowerKhz <= x && x <= b.upperKhz; });
}

bool HasTenthKhzDigit(std::string_view trimmedFrequency) {
    const std::size_t point = text::Find(trimmedFrequency, ".");
    return point != std::string_view::npos && point + 1 < trimmedFrequency.size();
}

bool CallsignAccepted(std::string_view text) {
    return text.size() >= 3;
}

bool QthAccepted(std::string_view text) {
    return text::Trim(text).size() >= 4;
}

bool PasswordAccepted(std::string_view text) {
    return text::Trim(text).size() >= 2;
}

bool AddToHistory(std::vector<std::string>& items, std::string_view fieldText) {
    const std::string_view t = text::Trim(fieldText);
    if (t.empty() || std::find(items.begin(), items.end(), t) != items.end())
        return false;
    items.insert(items.begin(), std::string(t));
    if (items.size() > kHistoryLimit)
        items.resize(kHistoryLimit);
    return true;
}

} // namespace pelorin::spot
