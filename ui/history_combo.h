#pragma once

#include <string>
#include <vector>

class QComboBox;

namespace pelorin::ui {

// The item list of a history drop-down as code page 932 texts, in order.
std::vector<std::string> HistoryItems(const QComboBox* combo);

// Adds the field's trimmed text at the top of its own list (see
// spot::AddToHistory). The text in the field stays as typed.
bool AddToHistory(QComboBox* combo);

// Adds restored entries and sorts the whole list. The order is the byte order
// of the code page 932 texts; equal entries keep the order they came in.
void AddSortedItems(QComboBox* combo, std::vector<std::string> entries);

} // namespace pelorin::ui
