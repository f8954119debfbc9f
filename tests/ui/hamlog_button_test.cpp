#include "cp932_literal.h"
#include "fake_hamlog.h"
#include "ui/hamlog_button.h"
#include "ui/reference_list_window.h"

#include <QTableWidget>
#include <QTest>
#include <future>
#include <gtest/gtest.h>

namespace pelorin::ui {
namespace {

using hamlog::testing::FakeHamlog;
using hamlog::testing::MakeRecord;
using hamlog::testing::Sj;

constexpr int kRemarks1 = 13;
const int kRemarks1Default = hamlog::kListColumns[kRemarks1].defaultWidth;

// A fake Hamlog whose enumeration waits until the test opens the gate.
class GatedHamlog : public FakeHamlog {
public:
    explicit GatedHamlog(std::shared_future<void> gate) : gate_(std::move(gate)) {}
    void EnumerateWindows(const std::function<bool(const hamlog::WindowInfo&)>& visit) override {
        gate_.wait();
        ++*enumerations;
        FakeHamlog::EnumerateWindows(visit);
    }
    std::shared_ptr<std::atomic<int>> enumerations = std::make_shared<std::atomic<int>>(0);

private:
    std::shared_future<void> gate_;
};

class HamlogButtonTest : public ::testing::Test {
protected:
    hamlog::ListColumnTable columns;
    TForm2 form2{columns};
    bool shiftAndCtrl = false;
    std::promise<void> open;
    std::shared_ptr<std::atomic<int>> enumerations;
    std::unique_ptr<HamlogButton> button;

    // The button with a Hamlog of `windows` behind it; the query waits for
    // OpenGate() when `gated`.
    void MakeButton(std::vector<FakeHamlog::Window> windows, bool gated = false) {
        std::shared_future<void> gate = open.get_future().share();
        if (!gated)
            open.set_value();
        auto hamlog = std::make_shared<GatedHamlog>(gate);
        for (auto& w : windows)
            hamlog->AddWindow(std::move(w));
        enumerations = hamlog->enumerations;
        button = std::make_unique<HamlogButton>(
            form2, columns,
            HamlogButton::MainWindowState{[this] { return shiftAndCtrl; },
                                          [] { return std::string("5.25"); }},
            [hamlog]() mutable -> std::unique_ptr<hamlog::HamlogPort> {
                return std::make_unique<GatedHamlog>(std::move(*hamlog));
            });
    }
    void OpenGate() { open.set_value(); }

    bool PressAndWait() {
        int applied = 0;
        QObject::connect(button.get(), &HamlogButton::QueryApplied, [&] { ++applied; });
        button->Button4Click();
        return QTest::qWaitFor([&] { return applied > 0; }, 5000);
    }

    static FakeHamlog::Window Hamlog(hamlog::WindowHandle handle, const std::string& call) {
        FakeHamlog::Window w;
        w.handle = handle;
        w.input = MakeRecord(call);
        w.log = {MakeRecord(call + "1"), MakeRecord(call + "2")};
        return w;
    }
};

TEST_F(HamlogButtonTest, ShowsTheListAndFillsItWithRowZeroSelected) {
    MakeButton({Hamlog(1, "JA1AAA")});
    form2.AddRow("old", {});
    ASSERT_TRUE(PressAndWait());
    EXPECT_TRUE(form2.isVisible());
    // Input record and the two records of the log.
    ASSERT_EQ(form2.RowCount(), 3);
    EXPECT_EQ(form2.RowCaption(0), Sj("1-入力"));
    EXPECT_EQ(form2.RowItems(0)[0], "JA1AAA");
    EXPECT_EQ(form2.RowCaption(1), "1-2");
    EXPECT_EQ(form2.SelectedRow(), 0);
}

TEST_F(HamlogButtonTest, WithoutHamlogTheEarlierRowsStay) {
    MakeButton({FakeHamlog::OtherWindow(7, "Notepad")});
    form2.AddRow("1-1", {});
    ASSERT_TRUE(PressAndWait());
    EXPECT_TRUE(form2.isVisible());
    ASSERT_EQ(form2.RowCount(), 1);
    EXPECT_EQ(form2.RowCaption(0), "1-1");
}

TEST_F(HamlogButtonTest, ShiftAndCtrlResetTheWidthsShownNextTime) {
    MakeButton({});
    columns.widths[kRemarks1] = 500;
    shiftAndCtrl = true;
    ASSERT_TRUE(PressAndWait());
    EXPECT_EQ(form2.ListView1->columnWidth(kRemarks1), kRemarks1Default);
}

TEST_F(HamlogButtonTest, ShiftAndCtrlWhileVisibleLeaveTheScreenAndItsNextHideWins) {
    MakeButton({});
    ASSERT_TRUE(PressAndWait());
    form2.ListView1->setColumnWidth(kRemarks1, 500);
    shiftAndCtrl = true;
    ASSERT_TRUE(PressAndWait());
    EXPECT_EQ(columns.widths[kRemarks1], kRemarks1Default);
    EXPECT_EQ(form2.ListView1->columnWidth(kRemarks1), 500);
    form2.hide();
    EXPECT_EQ(columns.widths[kRemarks1], 500);
}

TEST_F(HamlogButtonTest, APressDuringAQueryShowsTheListButStartsNoSecondQuery) {
    MakeButton({Hamlog(1, "JA1AAA")}, /*gated=*/true);
    int applied = 0;
    QObject::connect(button.get(), &HamlogButton::QueryApplied, [&] { ++applied; });
    button->Button4Click();
    QTest::qWait(20);
    EXPECT_TRUE(button->QueryRunning());
    // Closed with Esc while Hamlog is slow to answer, then asked for again.
    form2.hide();
    button->Button4Click();
    EXPECT_TRUE(form2.isVisible());
    OpenGate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return applied == 1; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(*enumerations, 1);
    EXPECT_FALSE(button->QueryRunning());
}

} // namespace
} // namespace pelorin::ui
