#pragma once

#include "hamlog/hamlog_port.h"
#include "hamlog/record_fields.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::hamlog {

// One row of the reference list: the "No" caption and the record's fields.
struct ReferenceRow {
    std::string caption;
    RecordFields fields;
};

struct HamlogQueryResult {
    // Only a query that found a Hamlog window replaces the rows of the list.
    bool clearList = false;
    std::vector<ReferenceRow> rows;
    std::optional<std::size_t> selectRow;
};

// A hung Hamlog must not freeze the program.
inline constexpr std::chrono::milliseconds kDefaultRequestTimeout{2000};

// The Hamlog windows among the top-level windows, in enumeration order: at
// most ten; the enumeration stops at the eleventh.
std::vector<WindowInfo> CollectHamlogWindows(HamlogPort& port);

// Asks every Hamlog window for its input record, its selected record and its
// ten latest records (13 requests at most, all to one window before the next).
// A request that times out ends the requests to that window.
HamlogQueryResult QueryHamlog(HamlogPort& port, std::string_view oldVersionList,
                              std::chrono::milliseconds timeout = kDefaultRequestTimeout);

} // namespace pelorin::hamlog
