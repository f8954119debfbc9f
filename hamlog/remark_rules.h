#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pelorin::hamlog {

// The 47 prefecture markers, code page 932: "□", the number as two digits,
// the name as three kanji and "-" (11 bytes each). Row k-1 holds marker k.
inline constexpr std::size_t kPrefectureCount = 47;
inline constexpr std::size_t kPrefectureMarkerBytes = 11;
const std::array<std::string, kPrefectureCount>& PrefectureTable();

// The marker without "□" and its number, for example "埼玉県-".
std::string_view PrefectureNamePart(int prefecture); // 1..47

// RS number patterns in the order they are tried: "RS-0", "rs-0", "Rs-0", ...
// "Rs-9", then "RS0", "rs0", "Rs0", ... "Rs9".
inline constexpr std::size_t kRsPatternCount = 60;
const std::array<std::string, kRsPatternCount>& RsPatternTable();

enum class RemarkOutcome {
    kNone,                // no place found in the remark
    kMarkerWithoutNumber, // a prefecture marker without "NN," or "NNN," after it
    kPlaceTaken,          // the QTH was built from the remark
};

struct PlaceAndComment {
    std::string qth;
    std::string comment;
    RemarkOutcome outcome = RemarkOutcome::kNone;
};

// Derives the spot's QTH and comment from a half-width remark and the trimmed
// Code of a Hamlog record (all code page 932). Never fails.
PlaceAndComment DerivePlaceAndComment(std::string_view remark, std::string_view code);

} // namespace pelorin::hamlog
