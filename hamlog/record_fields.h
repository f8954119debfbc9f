#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace pelorin::hamlog {

// One Hamlog record as 14 code page 932 texts, in the order Hamlog sends them
// and the reference list shows them.
inline constexpr std::size_t kRecordFieldCount = 14;
using RecordFields = std::array<std::string, kRecordFieldCount>;

enum RecordField : std::size_t {
    kFieldCall = 0,
    kFieldDate = 1,
    kFieldTime = 2,
    kFieldHis = 3,
    kFieldMy = 4,
    kFieldFreq = 5,
    kFieldMode = 6,
    kFieldCode = 7,
    kFieldGl = 8,
    kFieldQsl = 9,
    kFieldName = 10,
    kFieldQth = 11,
    kFieldRemarks1 = 12,
    kFieldRemarks2 = 13,
};

} // namespace pelorin::hamlog
