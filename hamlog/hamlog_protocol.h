#pragma once

#include "hamlog/record_fields.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::hamlog {

// Request codes, sent as the dwData of a WM_COPYDATA to a Hamlog window.
inline constexpr std::uint32_t kHamlogReqInput = 0x100073;    // record in the input window
inline constexpr std::uint32_t kHamlogReqSelected = 0x100076; // record selected in the log
inline constexpr std::uint32_t kHamlogReqCount = 0x100074;    // number of records in the log
inline constexpr std::uint32_t kHamlogReqRecord = 0x100077;   // record by number ("%d" text)

inline constexpr std::string_view kHamlogWindowClass = "TThwin";
inline constexpr std::size_t kMaxHamlogWindows = 10;
// GetWindowText into 1023 bytes with its NUL.
inline constexpr std::size_t kMaxTitleBytes = 1022;
// Replies of more bytes are taken as empty.
inline constexpr std::size_t kMaxReplyBytes = 1021;

inline constexpr std::string_view kDefaultOldVersionList =
    "5.21,5.22,5.23,5.24,5.25,5.26,5.27,5.28,5.29";

// The data of a record request: the number as "%d".
std::string RecordNumberText(std::int64_t number);

// The reply text as the receiving window keeps it: nothing, or a reply of more
// than kMaxReplyBytes, gives the empty text; a NUL ends the text.
std::string ReceiveReply(const std::optional<std::string>& bytes);

// The line that holds Call. Old Hamlog versions start their selected and
// numbered records on line 0; the input window's record always starts on 1.
std::size_t StartLine(std::uint32_t requestCode, bool oldVersion);

// The 14 fields on lines startLine .. startLine + 13 of a reply, each trimmed;
// missing lines give empty fields.
RecordFields ReadRecordFields(std::string_view reply, std::size_t startLine);

// The record count of a count reply: line 0 trimmed, read from its 7th byte as
// strtol does, at most (length of the reply - 6) bytes of it.
std::int32_t ExtractRecordCount(std::string_view reply);

// Whether a window title names one of the comma-separated versions of
// `oldVersionList` (entries trimmed, empty ones ignored, plain byte match).
bool IsOldVersion(std::string_view title, std::string_view oldVersionList);

// The "No" caption of a reference row: "%d-%s" of the 1-based window number
// and a label (code page 932).
std::string RowCaption(std::size_t windowNumber, std::string_view label);

// Labels of the input window's and the selected record's rows, code page 932.
const std::string& InputRowLabel();
const std::string& SelectedRowLabel();

} // namespace pelorin::hamlog
