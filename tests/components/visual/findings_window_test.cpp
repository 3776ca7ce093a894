// The findings window over a real owner form, driven as a user drives it:
// keys through the program's message loop, clicks, the close box.
#include "components/visual/findings_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "toolkit/app_window.h"
#include "toolkit/list_view.h"
#include "toolkit/message_loop.h"

namespace {

using Texts = std::vector<std::string>;

class FindingsWindowTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    CreateAppWindow("");
    owner_ = CreateFormWindow(AppWindow, "owner");
    owner_->SetBoundsRect(RECT{20, 20, 620, 420});
    owner_->VisibleSet = 1;
    owner_->CreateWindowNow();
    window_ = new TVMFindingsWindow(owner_);
    for (uint16_t t = 0; t < kJobTableCount; ++t) window_->OnPick[t] = picks_[t].Action();
    window_->OnRecheck = recheck_.Action();
    StartDispatch();
  }
  void TearDown() override {
    delete window_;
    VisualTest::TearDown();  // the owner goes with the application window
  }
  void Show(const std::string& findings) {
    TVM_Event show = MakeEvent<&TVMFindingsWindow::ShowFindings>(window_, TVMFindingsWindow::kShowFindingsPoint);
    FireStr(show, findings);
    ProcessPendingMessages(nullptr);
  }
  // Posted to the list; the loop offers it to the window first.
  void Press(WPARAM key) {
    PostMessageA(window_->List()->Handle, WM_KEYDOWN, key, 1);
    ProcessPendingMessages(nullptr);
  }
  HWND Window() const { return window_->Control->Handle; }
  Texts Row(int32_t row) const {
    Texts cells;
    for (int32_t c = 0; c < 5; ++c) cells.push_back(ListGetCellText(window_->List(), row, c));
    return cells;
  }
  Texts Picked() const {
    Texts all;
    for (uint16_t t = 0; t < kJobTableCount; ++t)
      for (const std::string& row : picks_[t].Texts()) all.push_back(std::to_string(t) + ":" + row);
    return all;
  }

  TControl* owner_ = nullptr;
  TVMFindingsWindow* window_ = nullptr;
  TProbe picks_[kJobTableCount];
  TProbe recheck_;
};

// The whole round: findings listed, one picked by Enter and one by a double
// click, the check asked again by F7 and by the button, the window closed,
// and a second check with no findings shown in the same window.
TEST_F(FindingsWindowTest, ListsFindingsPicksTheirRowsAndIsShownAgainForTheNextCheck) {
  Show("component\t12\t3\terror\tПитатель 7 не найден\nfeeder\t2\t1\twarning\tномер повторяется\n");
  const HWND window = Window();
  ASSERT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(owner_->Handle, GetWindow(window, GW_OWNER));
  EXPECT_EQ("Проверка задания", WindowText(window));
  Texts captions;
  for (int32_t c = 0; c < 5; ++c) captions.push_back(ListGetColumnCaption(window_->List(), c));
  EXPECT_EQ(Texts({"Вид", "Таблица", "Строка", "Столбец", "Замечание"}), captions);
  EXPECT_EQ(2, ListRowCount(window_->List()));
  EXPECT_EQ(Texts({"ошибка", "Компоненты", "12", "Питатель", "Питатель 7 не найден"}), Row(0));
  EXPECT_EQ(Texts({"предупреждение", "Питатели", "2", "№ Питателя", "номер повторяется"}), Row(1));

  ListSetCurrentRow(window_->List(), 1);
  Press(VK_RETURN);
  EXPECT_EQ(Texts({"0:1"}), Picked()) << "the feeder table's row 2, counted from 0";
  const RECT first = ListGetRowRect(window_->List(), 0, kRowWhole);
  const LPARAM inFirst = MAKELPARAM(first.left + 200, (first.top + first.bottom) / 2);
  PostMessageA(window_->List()->Handle, WM_LBUTTONDBLCLK, MK_LBUTTON, inFirst);
  ProcessPendingMessages(nullptr);
  EXPECT_EQ(Texts({"0:1", "3:11"}), Picked());

  Press(VK_F7);
  SendMessageA(window_->RecheckButton()->Handle, BM_CLICK, 0, 0);
  ProcessPendingMessages(nullptr);
  EXPECT_EQ(2u, recheck_.Count());

  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(IsWindow(owner_->Handle));
  Show("");
  EXPECT_EQ(window, Window()) << "the same window again";
  EXPECT_TRUE(IsWindowVisible(window));
  ASSERT_EQ(1, ListRowCount(window_->List()));
  EXPECT_EQ(Texts({"", "", "", "", "Замечаний нет"}), Row(0));
  Press(VK_RETURN);
  EXPECT_EQ(2u, Picked().size()) << "no finding, nothing to pick";
}

// Clicks on column captions, as the mouse gives them to the list's header:
// up by the column, then down, the finding current before staying current;
// the bottom line counts every row a finding tells of.
TEST_F(FindingsWindowTest, SortsByAClickedCaptionBothWaysAndCountsErrorsAndWarnings) {
  Show("component\t9\t3\terror\tПитатель: пустая ячейка — 45 строк: C1, C2, …\t45\n"
       "component\t12\t2\terror\tСопло: пустая ячейка\n"
       "feeder\t2\t1\twarning\tномер повторяется\n");
  EXPECT_EQ("Ошибок: 46, предупреждений: 1", WindowText(window_->CountsLabel()->Handle));
  auto column = [&](int32_t c) {
    Texts cells;
    for (int32_t r = 0; r < ListRowCount(window_->List()); ++r) cells.push_back(ListGetCellText(window_->List(), r, c));
    return cells;
  };
  const HWND header = reinterpret_cast<HWND>(SendMessageA(window_->List()->Handle, LVM_GETHEADER, 0, 0));
  auto clickCaption = [&](int32_t c) {
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, c, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(header, WM_LBUTTONUP, 0, at);
    ProcessPendingMessages(nullptr);
  };
  ListSetCurrentRow(window_->List(), 1);  // the nozzle, row 12
  clickCaption(2);
  EXPECT_EQ(Texts({"2", "9", "12"}), column(2));
  EXPECT_EQ(2, ListCurrentRow(window_->List()));
  clickCaption(2);
  EXPECT_EQ(Texts({"12", "9", "2"}), column(2));
  EXPECT_EQ(0, ListCurrentRow(window_->List()));
  clickCaption(1);
  EXPECT_EQ(Texts({"Питатели", "Компоненты", "Компоненты"}), column(1));
  EXPECT_EQ(Texts({"2", "12", "9"}), column(2)) << "equal tables keep the order they had";

  // The next check keeps the order chosen.
  Show("component\t3\t2\terror\tСопло: пустая ячейка\nfeeder\t1\t1\terror\tномер повторяется\n");
  EXPECT_EQ(Texts({"1", "3"}), column(2));
  EXPECT_EQ("Ошибок: 2, предупреждений: 0", WindowText(window_->CountsLabel()->Handle));
}

}  // namespace
