#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::spot {

// Texts are code page 932 bytes; lengths count bytes.

// Operating style item index chosen from a callsign's "/" suffixes.
int StyleFromCallsign(std::string_view callsign);

// Whether the frequency text (kHz, read like strtod) lies in a Japanese band.
bool InAmateurBand(std::string_view frequencyText);

// Whether at least one character follows the first "." of a trimmed text.
bool HasTenthKhzDigit(std::string_view trimmedFrequency);

// The checks the Enter actions apply to the free-text fields.
bool CallsignAccepted(std::string_view text); // untrimmed, at least 3 bytes
bool QthAccepted(std::string_view text);      // trimmed, at least 4 bytes
bool PasswordAccepted(std::string_view text); // trimmed, at least 2 bytes

inline constexpr std::size_t kHistoryLimit = 100;

// Adds the trimmed text at the top of a history list unless it is empty or
// already there, then cuts the list back to 100 items. Returns whether the
// list changed.
bool AddToHistory(std::vector<std::string>& items, std::string_view fieldText);

} // namespace pelorin::spot
