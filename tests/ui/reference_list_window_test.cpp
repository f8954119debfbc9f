#include "text/cp932_codec.h"
#include "ui/reference_list_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorin::ui {
namespace {

using hamlog::kListColumns;
using hamlog::ListColumnTable;

constexpr int kRemarks1 = 13;

class ReferenceListWindowTest : public ::testing::Test {
protected:
    ListColumnTable columns;
    TForm2 form{columns};
    int picks = 0;

    void SetUp() override {
        form.SetPickHandler([this] { ++picks; });
    }
};

hamlog::RecordFields Items(std::string_view call) {
    hamlog::RecordFields items;
    items[0] = std::string(call);
    items[11] = text::Utf8ToCp932("埼玉県");
    return items;
}

TEST_F(ReferenceListWindowTest, StartsHiddenWithCaptionsAndDefaultWidths) {
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(form.ListView1->columnCount(), 15);
    for (int i = 0; i < 15; ++i) {
        const auto& column = kListColumns[static_cast<std::size_t>(i)];
        EXPECT_EQ(form.ListView1->horizontalHeaderItem(i)->text().toStdString(), column.caption);
        EXPECT_EQ(form.ListView1->columnWidth(i), column.defaultWidth);
    }
    EXPECT_EQ(form.ListView1->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(form.ListView1->toolTip(),
              QString::fromUtf8("Enterキーまたはダブルクリックで確定 （ ESCキーで戻る、 "
                                "CALLが空白は参照リストに表示されない ）"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(ReferenceListWindowTest, EveryShowSetsTheCaptionAndTheStoredWidths) {
    for (int round = 0; round < 2; ++round) {
        form.setWindowTitle("other");
        columns.widths[kRemarks1] = 400 + round;
        form.show();
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Pelorin v1.24  - Hamlog参照リスト"));
        EXPECT_EQ(form.ListView1->columnWidth(kRemarks1), 400 + round);
        form.hide();
    }
}

TEST_F(ReferenceListWindowTest, WidthsReachTheTableOnlyWhenHidden) {
    form.show();
    form.ListView1->setColumnWidth(kRemarks1, 512);
    EXPECT_EQ(columns.widths[kRemarks1], kListColumns[kRemarks1].defaultWidth);
    form.close(); // the close button hides
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(columns.widths[kRemarks1], 512);
    form.show();
    EXPECT_EQ(form.ListView1->columnWidth(kRemarks1), 512);
}

TEST_F(ReferenceListWindowTest, EscHidesAndStoresTheWidths) {
    form.show();
    form.ListView1->setColumnWidth(0, 77);
    QTest::keyClick(form.ListView1, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(columns.widths[0], 77);
    EXPECT_EQ(picks, 0);
}

TEST_F(ReferenceListWindowTest, EnterAndDoubleClickPickEvenWithoutASelectedRow) {
    form.show();
    ASSERT_EQ(form.SelectedRow(), -1);
    QTest::keyClick(form.ListView1, Qt::Key_Return);
    QTest::keyClick(form.ListView1, Qt::Key_Enter);
    QTest::mouseDClick(form.ListView1->viewport(), Qt::LeftButton);
    EXPECT_EQ(picks, 3);
    QTest::keyClick(form.ListView1, Qt::Key_A);
    EXPECT_EQ(picks, 3);
}

TEST_F(ReferenceListWindowTest, RowsKeepCodePage932TextsAndTheSelection) {
    const std::string caption = text::Utf8ToCp932("1-入力");
    form.AddRow(caption, Items("JA1ABC"));
    form.AddRow("1-1234", Items("JA1XYZ"));
    ASSERT_EQ(form.RowCount(), 2);
    EXPECT_EQ(form.ListView1->item(0, 0)->text(), QString::fromUtf8("1-入力"));
    EXPECT_EQ(form.RowCaption(0), caption);
    EXPECT_EQ(form.RowItems(1), Items("JA1XYZ"));
    EXPECT_EQ(form.ListView1->item(1, 12)->text(), QString::fromUtf8("埼玉県"));

    form.SelectRow(1);
    EXPECT_EQ(form.SelectedRow(), 1);
    form.ClearRows();
    EXPECT_EQ(form.RowCount(), 0);
    EXPECT_EQ(form.SelectedRow(), -1);
}

TEST_F(ReferenceListWindowTest, FirstShowCentresOnTheMainWindow) {
    QWidget main;
    main.setGeometry(100, 100, 1000, 800);
    TForm2 child(columns, &main);
    main.show();
    child.show();
    const QPoint offset = child.frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

} // namespace
} // namespace pelorin::ui
