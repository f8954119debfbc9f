#pragma once

#include "hamlog/list_columns.h"
#include "hamlog/record_fields.h"

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

class QTableWidget;

namespace pelorin::ui {

// The Hamlog reference list: a top-level window that stays on top, holds the
// rows of the last query and hands a picked row to the pick handler.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    // `columns` holds the current widths; it belongs to the main window's
    // settings and outlives this window. `mainWindow` is where the window is
    // centred when first shown.
    explicit TForm2(hamlog::ListColumnTable& columns, QWidget* mainWindow = nullptr);

    // Rows, with code page 932 texts.
    void ClearRows();
    void AddRow(std::string_view caption, const hamlog::RecordFields& items);
    int RowCount() const;
    void SelectRow(int index);
    // -1 when no row is selected.
    int SelectedRow() const;
    std::string RowCaption(int index) const;
    hamlog::RecordFields RowItems(int index) const;

    // Runs the pick handler (the record mapping), with or without a selected row.
    void ApplyPickedRecord();
    void SetPickHandler(std::function<void()> handler) { pickHandler_ = std::move(handler); }

    // Event handlers.
    void FormCreate();
    void FormShow();
    void FormHide();
    void ListView1DblClick();
    void ListView1KeyPress(char& key);

    QTableWidget* ListView1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CentreOnMainWindow();

    hamlog::ListColumnTable& columns_;
    QWidget* mainWindow_;
    std::function<void()> pickHandler_;
    bool shownBefore_ = false;
};

} // namespace pelorin::ui
