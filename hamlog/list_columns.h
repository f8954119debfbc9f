#pragma once

#include <array>
#include <string_view>

namespace pelorin::hamlog {

// Columns of the Hamlog reference list. The captions are also the [ListWidth]
// keys of the settings file.
struct ListColumn {
    std::string_view caption;
    int defaultWidth;
};

inline constexpr std::array<ListColumn, 15> kListColumns = {{
    {"No", 56},
    {"Call", 81},
    {"Date", 63},
    {"Time", 49},
    {"His", 34},
    {"My", 34},
    {"Freq", 64},
    {"Mode", 40},
    {"Code", 52},
    {"GL", 49},
    {"QSL", 31},
    {"Name", 100},
    {"QTH", 260},
    {"Remarks1", 340},
    {"Remarks2", 340},
}};

// Current widths, in column order; start at the defaults.
struct ListColumnTable {
    std::array<int, kListColumns.size()> widths{};

    ListColumnTable() { ResetToDefaults(); }
    void ResetToDefaults() {
        for (std::size_t i = 0; i < kListColumns.size(); ++i)
            widths[i] = kListColumns[i].defaultWidth;
    }
};

} // namespace pelorin::hamlog
