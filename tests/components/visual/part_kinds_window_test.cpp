// The window of the job's parts by kind over real tables: which rows a
// selection of kinds rings, and a large job changed under the open window.
#include "components/visual/part_kinds_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "components/visual/string_table.h"
#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "tests/support/wait.h"
#include "toolkit/app_window.h"
#include "toolkit/list_view.h"
#include "toolkit/message_loop.h"

namespace {

constexpr const char* kComponentCaptions =
    "Компонент\r\nСопло\r\nПитатель\r\nX\r\nY\r\nУгол\r\nПропуск\r\nКоммент";

class PartKindsWindowTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    CreateAppWindow("");
    owner_ = CreateFormWindow(AppWindow, "owner");
    owner_->SetBoundsRect(RECT{20, 20, 620, 420});
    owner_->VisibleSet = 1;
    owner_->CreateWindowNow();
    for (uint16_t t = 0; t < kJobTableCount; ++t) {
      tables_[t] = new TvmStringTableMT(owner_);
      tables_[t]->Width = 300, tables_[t]->Height = 80;
      tables_[t]->SetColumns(t == kComponentTable ? kComponentCaptions : "№\r\nX1");
      tables_[t]->Init();
    }
    window_ = new TVMPartKindsWindow(owner_);
    for (uint16_t t = 0; t < kJobTableCount; ++t)
      window_->Tables[t] = MakeEvent<&TvmStringTableMT::Array>(tables_[t], 3);
    window_->ComponentCells = MakeEvent<&TvmStringTableMT::Matrix>(tables_[kComponentTable], 2);
    window_->OnRing = ring_.Action();
    StartDispatch();
  }
  void TearDown() override {
    delete window_;
    for (TvmStringTableMT* table : tables_) delete table;
    VisualTest::TearDown();
  }
  // Row lines separated by CR LF.
  void AddComponents(const std::string& lines) {
    TVM_Event add = MakeEvent<&TvmStringTableMT::AddRows>(tables_[kComponentTable], TvmStringTableMT::kAddRowsPoint);
    FireStr(add, lines);
  }
  void Show() {
    TVM_Event show = MakeEvent<&TVMPartKindsWindow::ShowKinds>(window_, TVMPartKindsWindow::kShowKindsPoint);
    FireNull(show);
    ProcessPendingMessages(nullptr);
  }
  void Select(int32_t line, bool selected) {
    ListView_SetItemState(window_->List()->Handle, line, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    ProcessPendingMessages(nullptr);
  }
  std::string LastRing() const { return ring_.Calls.empty() ? "(none)" : ValueToStr(ring_.Calls.back().Value); }

  TControl* owner_ = nullptr;
  TvmStringTableMT* tables_[kJobTableCount] = {};
  TVMPartKindsWindow* window_ = nullptr;
  TProbe ring_;
};

// Kinds "10k 0603" (rows 0, 2) and "100n 0402" (rows 1, 3, 4): the rows of
// every selected kind are ringed, in row order; none selected rings none.
TEST_F(PartKindsWindowTest, SelectedKindsRingTheirRows) {
  AddComponents("R1,1,,1,1,0,0,10k 0603\r\nC1,1,,2,1,0,0,100n 0402\r\nR2,1,,3,1,0,0,10K  0603\r\n"
                "C2,1,,4,1,0,0,100n 0402\r\nC3,1,,5,1,0,0,100n 0402");
  Show();
  ASSERT_EQ(window_->Kinds().size(), 2u);
  ASSERT_EQ(window_->Kinds()[0].Kind, "100n 0402");  // most rows first

  Select(0, false);
  Select(1, true);
  EXPECT_TRUE(WaitUntil([&] { return LastRing() == "0,2"; })) << LastRing();
  Select(0, true);
  EXPECT_TRUE(WaitUntil([&] { return LastRing() == "0,1,2,3,4"; })) << LastRing();
  Select(0, false);
  Select(1, false);
  EXPECT_TRUE(WaitUntil([&] { return LastRing().empty(); })) << LastRing();
}

// A job of many rows changed while the window is open is not read again on
// every change: the window says it is out of date and takes no edits until
// F5 reads the tables.
TEST_F(PartKindsWindowTest, ALargeJobChangedUnderTheWindowIsMarkedOutOfDateUntilRefreshed) {
  std::string lines;
  for (int r = 0; r < 6000; ++r) lines += "R" + std::to_string(r) + ",1,,1,1,0,0,10k 0603\r\n";
  AddComponents(lines);
  Show();
  ASSERT_FALSE(window_->OutOfDate());
  AddComponents("C1,1,,2,1,0,0,100n 0402");
  TVM_Event changed = MakeEvent<&TVMPartKindsWindow::TablesChanged>(window_);
  FireNull(changed);
  ProcessPendingMessages(nullptr);
  EXPECT_TRUE(window_->OutOfDate());
  EXPECT_NE(WindowText(window_->Control->Handle).find("устарело"), std::string::npos);
  EXPECT_FALSE(IsWindowEnabled(window_->List()->Handle)) << "no edits on stale lines";
  EXPECT_EQ(window_->Kinds().size(), 1u) << "the lines shown are the old ones";

  PostMessageA(window_->List()->Handle, WM_KEYDOWN, VK_F5, 1);
  ProcessPendingMessages(nullptr);
  EXPECT_FALSE(window_->OutOfDate());
  EXPECT_EQ(window_->Kinds().size(), 2u);
  EXPECT_EQ(WindowText(window_->Control->Handle), "Детали задания");
}

}  // namespace
