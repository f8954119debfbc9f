#pragma once

#include <array>
#include <string_view>

namespace pelorin::spot {

// Fixed item lists of the operating style and mode drop-downs, as UTF-8. The
// settings file stores indexes into them, so their order never changes.
// One row per line, as the table is read.
// clang-format off
inline constexpr std::array<std::string_view, 11> kOperatingStyleItems = {
    "選択なし",
    "QRP",
    "モービル (/M)",
    "Satellite",
    "EME",
    "移動運用",
    "設・常置場所 (固定局)",
    "設置場所 - ５０Ｗを超える局の設備の場所より",
    "常置場所 - ５０Ｗ以下の移動する局の設備の場所より",
    "海上移動",
    "上空移動",
};

inline constexpr std::array<std::string_view, 13> kModeItems = {
    "選択してください", "SSB", "CW", "FM", "AM", "RTTY", "PSK", "SSTV", "WS", "WiRES", "ATV",
    "BEACON", "TV Stn",
};
// clang-format on

enum OperatingStyle : int {
    kStyleNone = 0,
    kStyleQrp = 1,
    kStyleMobile = 2,
    kStylePortable = 5,
    kStyleFixed = 6,
    kStyleMaritime = 9,
};

inline constexpr int kModeCw = 2;

} // namespace pelorin::spot
