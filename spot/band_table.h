#pragma once

#include <array>

namespace pelorin::spot {

// Amateur bands allotted in Japan, inclusive, in kHz. Upper bounds carry a
// margin of 0.0001 kHz as stored; lower bounds are exact.
struct Band {
    double lowerKhz;
    double upperKhz;
};

// One row per line, as the table is read.
// clang-format off
inline constexpr std::array<Band, 24> kBandTable = {{
    {135.7, 137.8001},
    {1810, 1825.0001},
    {1907.5, 1912.5001},
    {3500, 3575.0001},
    {3599, 3612.0001},
    {3680, 3687.0001},
    {3702, 3716.0001},
    {3745, 3770.0001},
    {3791, 3805.0001},
    {7000, 7200.0001},
    {10100, 10150.0001},
    {14000, 14350.0001},
    {18068, 18168.0001},
    {21000, 21450.0001},
    {24890, 24990.0001},
    {28000, 29700.0001},
    {50000, 54000.0001},
    {144000, 146000.0001},
    {430000, 440000.0001},
    {1260000, 1300000.0001},
    {2400000, 2450000.0001},
    {5650000, 5850000.0001},
    {10000000, 10250000.0001},
    {10450000, 10500000.0001},
}};
// clang-format on

} // namespace pelorin::spot
