#include "ui/reference_list_window.h"

#include "ui/cp932_text.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>
#include <QShowEvent>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelorin::ui {
namespace {

constexpr int kColumnCount = static_cast<int>(hamlog::kListColumns.size());
const char16_t kShownCaption[] = u"Pelorin v1.24  - Hamlog参照リスト";
const char16_t kHint[] = u"Enterキーまたはダブルクリックで確定 （ ESCキーで戻る、 "
                         u"CALLが空白は参照リストに表示されない ）";

// The list's fonts, with Japanese fonts of this system behind them.
QFont JapaneseFont(const QString& first, const QString& fallback) {
    QFont font;
    font.setFamilies({first, fallback, QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    return font;
}

// The character a key press stands for, as the list's key handler sees it;
// 0 for keys without one.
char KeyCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() < 0x80)
        return static_cast<char>(text[0].unicode());
    return 0;
}

} // namespace

TForm2::TForm2(hamlog::ListColumnTable& columns, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::WindowStaysOnTopHint), columns_(columns),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Pelorin - Hamlog参照リスト"));
    setFont(JapaneseFont(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP")));
    // Closing it hides it; it never ends the program on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Client area of the 798 × 304 design frame.
    move(270, 413);
    resize(790, 270);

    ListView1 = new QTableWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFont(
        JapaneseFont(QStringLiteral("ＭＳ 明朝"), QStringLiteral("Noto Serif CJK JP")));
    ListView1->setToolTip(QString::fromUtf16(kHint));
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->verticalHeader()->hide();
    ListView1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ListView1->horizontalHeader()->setHighlightSections(false);
    // Stored widths are taken as they are, narrow ones too.
    ListView1->horizontalHeader()->setMinimumSectionSize(0);
    ListView1->setWordWrap(false);
    // The selection stays visible while the list has no focus.
    QPalette palette = ListView1->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    ListView1->setPalette(palette);
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);

    FormCreate();
}

void TForm2::FormCreate() {
    ListView1->setColumnCount(kColumnCount);
    QStringList captions;
    for (const auto& column : hamlog::kListColumns)
        captions << QString::fromLatin1(column.caption.data(),
                                        static_cast<qsizetype>(column.caption.size()));
    ListView1->setHorizontalHeaderLabels(captions);
    for (int i = 0; i < kColumnCount; ++i)
        ListView1->setColumnWidth(i, columns_.widths[static_cast<std::size_t>(i)]);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
}

void TForm2::FormShow() {
    setWindowTitle(QString::fromUtf16(kShownCaption));
    for (int i = 0; i < kColumnCount; ++i)
        ListView1->setColumnWidth(i, columns_.widths[static_cast<std::size_t>(i)]);
}

void TForm2::FormHide() {
    for (int i = 0; i < kColumnCount; ++i)
        columns_.widths[static_cast<std::size_t>(i)] = ListView1->columnWidth(i);
}

void TForm2::ListView1DblClick() {
    ApplyPickedRecord();
}

void TForm2::ListView1KeyPress(char& key) {
    if (key == 27)
        hide();
    else if (key == 13)
        ApplyPickedRecord();
}

void TForm2::ApplyPickedRecord() {
    if (pickHandler_)
        pickHandler_();
}

void TForm2::ClearRows() {
    ListView1->clearSelection();
    ListView1->setRowCount(0);
}

void TForm2::AddRow(std::string_view caption, const hamlog::RecordFields& items) {
    const int row = ListView1->rowCount();
    ListView1->insertRow(row);
    ListView1->setItem(row, 0, new QTableWidgetItem(FromCp932(caption)));
    for (std::size_t k = 0; k < items.size(); ++k)
        ListView1->setItem(row, static_cast<int>(k) + 1, new QTableWidgetItem(FromCp932(items[k])));
}

int TForm2::RowCount() const {
    return ListView1->rowCount();
}

void TForm2::SelectRow(int index) {
    if (index < 0 || index >= ListView1->rowCount())
        return;
    ListView1->selectRow(index);
    ListView1->setCurrentCell(index, 0);
}

int TForm2::SelectedRow() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

std::string TForm2::RowCaption(int index) const {
    const QTableWidgetItem* item = ListView1->item(index, 0);
    return item ? ToCp932(item->text()) : std::string();
}

hamlog::RecordFields TForm2::RowItems(int index) const {
    hamlog::RecordFields items;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const QTableWidgetItem* item = ListView1->item(index, static_cast<int>(k) + 1);
        if (item)
            items[k] = ToCp932(item->text());
    }
    return items;
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from the task bar is not shown anew.
    if (event->spontaneous())
        return;
    if (!shownBefore_) {
        shownBefore_ = true;
        CentreOnMainWindow();
    }
    FormShow();
}

void TForm2::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        char key = KeyCharacter(*static_cast<QKeyEvent*>(event));
        if (key != 0)
            ListView1KeyPress(key);
    } else if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ListView1DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm2::CentreOnMainWindow() {
    if (!mainWindow_)
        return;
    const QRect main = mainWindow_->frameGeometry();
    const QRect own = frameGeometry();
    move(main.center() - QPoint(own.width() / 2, own.height() / 2));
}

} // namespace pelorin::ui
