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

}  // namespace
