#pragma once

#include "hamlog/record_fields.h"
#include "hamlog/remark_rules.h"

#include <optional>
#include <span>
#include <string>

namespace pelorin::hamlog {

// Which remark of the record feeds QTH and comment (the Rmks radio buttons).
enum class RemarkChoice { kRemarks1, kRemarks2, kNone };

// What a picked reference row puts into the spot fields; all texts code page
// 932. With no row taken every field stays as it is and the outcome is none.
struct PickedRecord {
    bool taken = false;
    std::string callsign;
    std::string frequencyText; // kHz, "%.1f"
    int modeIndex = 0;         // index into the mode items; 0 when none matches
    std::string hamlogFreqText;
    std::string hamlogModeText;
    std::string qth;
    std::string comment;
    RemarkOutcome outcome = RemarkOutcome::kNone;
};

// The record's MHz text as the spot's kHz text; a half on the last kept digit
// rounds up (7.00325 gives 7003.3).
std::string FrequencyKhzText(std::string_view mhz);

// The first item equal to `mode` as a whole, ignoring the case of ASCII
// letters (never of a double-byte character's second byte), else 0.
int FindModeIndex(std::string_view mode, std::span<const std::string> modeItems);

// Maps the fields of the selected row (nothing when no row is selected).
PickedRecord MapPickedRecord(const std::optional<RecordFields>& row, RemarkChoice remarkChoice,
                             std::span<const std::string> modeItems);

} // namespace pelorin::hamlog
