#include "ui/history_combo.h"

#include "spot/spot_rules.h"
#include "ui/cp932_text.h"

#include <QComboBox>
#include <algorithm>

namespace pelorin::ui {

std::vector<std::string> HistoryItems(const QComboBox* combo) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i)
        items.push_back(ToCp932(combo->itemText(i)));
    return items;
}

bool AddToHistory(QComboBox* combo) {
    const QString typed = combo->currentText();
    std::vector<std::string> items = HistoryItems(combo);
    if (!spot::AddToHistory(items, ToCp932(typed)))
        return false;
    combo->insertItem(0, FromCp932(items.front()));
    while (combo->count() > static_cast<int>(items.size()))
        combo->removeItem(combo->count() - 1);
    // Inserting into an empty list selects the new item, which would put the
    // trimmed text into the field.
    if (combo->currentText() != typed)
        combo->setEditText(typed);
    return true;
}

void AddSortedItems(QComboBox* combo, std::vector<std::string> entries) {
    std::vector<std::string> all = HistoryItems(combo);
    all.insert(all.end(), std::make_move_iterator(entries.begin()),
               std::make_move_iterator(entries.end()));
    std::stable_sort(all.begin(), all.end());
    const QString typed = combo->currentText();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(all.size()));
    for (const std::string& item : all)
        texts.push_back(FromCp932(item));
    combo->clear();
    combo->addItems(texts);
    combo->setEditText(typed);
}

} // namespace pelorin::ui
