#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/processing/do_data.h"
#include "components/visual/edit.h"
#include "components/visual/label.h"
#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "tests/support/private_desktop.h"
#include "toolkit/app_window.h"

namespace {

// Typed keys reach only the focused field, and the focus follows the
// foreground window, which test programs running side by side take from one
// another: these tests run on a desktop of their own.
class EditLabelTest : public VisualTest {
 protected:
  static void SetUpTestSuite() { MoveToPrivateDesktop(); }
  void SetUp() override {
    VisualTest::SetUp();
    form_ = CreateFormWindow(nullptr, "edit form");
    form_->VisibleSet = 1;
    form_->CreateWindowNow();
    edit_ = new TVMEdit(form_);
    label_ = new TVMLabel(form_);
    label_->Font = edit_->Font = MakeFont("MS Sans Serif", 8, 0, 0x00008000, 1);
  }
  void TearDown() override {
    delete edit_;
    delete label_;
    form_->Free();
    VisualTest::TearDown();
  }
  HWND Edit() { return edit_->Control->Handle; }
  // Keys as the user types them: queued to the focused field and translated.
  void Type(const std::string& chars, WORD key = 0) {
    SetFocus(Edit());
    if (key) PostMessageA(Edit(), WM_KEYDOWN, key, 1);
    for (char c : chars) PostMessageA(Edit(), WM_CHAR, static_cast<unsigned char>(c), 1);
    DispatchQueued();
  }
  void PressEnter() { Type("", VK_RETURN); }

  TControl* form_ = nullptr;
  TVMEdit* edit_ = nullptr;
  TVMLabel* label_ = nullptr;
  TProbe enter_, change_, keyDown_;
};

TEST_F(EditLabelTest, EnterFiresTheTextAndEmptiesTheFieldUnlessUnconnected) {
  edit_->InitialText = "Edit";
  edit_->OnEnter = enter_.Action();
  edit_->OnChange = change_.Action();
  edit_->OnKeyDown = keyDown_.Action();
  edit_->Init();
  StartDispatch();
  EXPECT_EQ(WindowText(Edit()), "Edit");
  SendMessageA(Edit(), EM_SETSEL, 4, 4);
  Type("ab");
  EXPECT_EQ(change_.Texts(), (std::vector<std::string>{"Edita", "Editab"})) << "the initial text is no change";

  PressEnter();
  EXPECT_EQ(enter_.Texts(), std::vector<std::string>{"Editab"});
  EXPECT_EQ(WindowText(Edit()), "");
  EXPECT_EQ(change_.Count(), 2u) << "emptying after Enter is not reported";
  EXPECT_EQ(keyDown_.Count(), 0u) << "Enter is taken by the field";
  Type("\xDF");
  EXPECT_EQ(change_.Texts().back(), "\xDF");

  edit_->OnEnter = {};  // unconnected, Enter is an ordinary key
  PressEnter();
  EXPECT_EQ(keyDown_.Texts(), std::vector<std::string>{"13"});
  EXPECT_EQ(WindowText(Edit()), "\xDF");
}

TEST_F(EditLabelTest, TextSetAgainDuringEnterStaysWithItsCaretAndNetworkSetsText) {
  // The editor's circuit: Enter -> keep the text -> set it again.
  TVMDoData keep;
  keep.DataInput = MakeEvent<&TVMEdit::Text>(edit_);
  keep.OnData = MakeEvent<&TVMEdit::ChangeText>(edit_);
  edit_->OnEnter = MakeEvent<&TVMDoData::SendData>(&keep);
  edit_->Init();
  StartDispatch();
  Type("abc");
  SendMessageA(Edit(), EM_SETSEL, 1, 1);
  PressEnter();
  EXPECT_EQ(WindowText(Edit()), "abc");
  EXPECT_EQ(LOWORD(SendMessageA(Edit(), EM_GETSEL, 0, 0)), 1) << "the caret stays";

  TProbe source;  // the Source input wins over the value
  SetStrValue(source.Answer, "from source");
  edit_->Source = source.Point();
  TData value = IntValue(5);
  edit_->ChangeText(value, 0);
  EXPECT_EQ(WindowText(Edit()), "from source");
}

TEST_F(EditLabelTest, LabelShowsGivesItsTextReportsClicksAndHovers) {
  label_->Caption = "Поиск компонентов";
  label_->HoverColor = 0x000000FF;
  label_->HoverUnderline = true;
  TProbe click;
  label_->OnClick = click.Action();
  label_->Init();
  StartDispatch();
  HWND window = label_->Control->Handle;
  EXPECT_EQ(WindowText(window), "Поиск компонентов");
  label_->Control->SetCaption("1");
  TData text;
  label_->Text(text, 0);
  EXPECT_EQ(text.StrValue, "1") << "the output follows the control's text";

  auto underlined = [&] {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfUnderline != 0;
  };
  EXPECT_FALSE(underlined());
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(click.Kinds(), std::vector<uint8_t>{kKindNull});
  EXPECT_TRUE(underlined());
  EXPECT_EQ(label_->Control->FontColor, 0x000000FF);
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(underlined());
  EXPECT_EQ(label_->Control->FontColor, 0x00008000) << "back to the colour of Font";
}

}  // namespace
