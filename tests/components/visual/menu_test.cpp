#include "components/visual/menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "components/visual/main_form.h"
#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"

namespace {

const char kEditorTemplate[] =
    "Файл\r\n(\r\nОткрыть\r\nСохранить \r\nУП\r\n)\r\nДействия\r\n(\r\nРаспределить\r\n)\r\nПомощь";

// The editor's arrangement: the menu on the initialised main form.
class MenuComponentTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = std::make_unique<TVMMainForm>();
    form_->Init();
    formHandler_ = form_->Control->OnMessage;
    menu_ = std::make_unique<TVMMenu>(form_->Control);
    menu_->OnClick = clicks_.Action();
    menu_->OnClickCaption = captions_.Action();
    form_->OnKillFocus = formEvents_.Action();  // fired by the form's own handler
    StartDispatch();
  }
  void TearDown() override {
    menu_.reset();
    form_.reset();
    VisualTest::TearDown();
  }
  HWND Window() { return form_->Control->Handle; }
  HMENU Bar() { return GetMenu(Window()); }
  void Choose(HMENU menu, int position, WORD code = 0, LPARAM from = 0) {
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, position), code), from);
  }

  std::unique_ptr<TVMMainForm> form_;
  TMessageHandler formHandler_;
  std::unique_ptr<TVMMenu> menu_;
  std::vector<std::string> log_;
  TProbe clicks_{"click", &log_};
  TProbe captions_{"caption", &log_};
  TProbe formEvents_;
};

TEST_F(MenuComponentTest, EditorTemplateBuildsTheBarAndFiresIndexThenText) {
  menu_->SetMenu(kEditorTemplate);
  HMENU bar = Bar();
  char text[32];
  GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Действия");
  EXPECT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 3);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 1);
  EXPECT_EQ(GetSubMenu(bar, 2), nullptr);

  Choose(GetSubMenu(bar, 0), 0);
  Choose(GetSubMenu(bar, 0), 1, 1);  // by accelerator
  Choose(GetSubMenu(bar, 1), 0);
  Choose(bar, 2);
  EXPECT_EQ(log_, (std::vector<std::string>{"click:1", "caption:Открыть", "click:2", "caption:Сохранить ",
                                            "click:5", "caption:Распределить", "click:6", "caption:Помощь"}));
  EXPECT_EQ(clicks_.Kinds()[0], kKindInteger);

  // A button's command and an unknown id fire nothing.
  log_.clear();
  Choose(bar, 2, 0, reinterpret_cast<LPARAM>(Window()));
  SendMessageA(Window(), WM_COMMAND, 0xFFF0, 0);
  EXPECT_TRUE(log_.empty());
}

TEST_F(MenuComponentTest, CheckItemChecksARadioItemAndUnchecksTheRestOfItsGroup) {
  menu_->SetMenu("Файл\r\n(\r\nОткрыть\r\n+!Слева направо\r\n-!Сверху вниз\r\n)");
  HMENU file = GetSubMenu(Bar(), 0);
  auto checked = [&](int position) { return (GetMenuState(file, position, MF_BYPOSITION) & MF_CHECKED) != 0; };
  for (const auto& [item, first, second] : {std::tuple{3, false, true}, std::tuple{2, true, false}}) {
    TVM_Event check = MakeEvent<&TVMMenu::CheckItem>(menu_.get(), static_cast<uint16_t>(item));
    FireNull(check);
    EXPECT_EQ(checked(1), first) << item;
    EXPECT_EQ(checked(2), second) << item;
    EXPECT_FALSE(checked(0));
  }
  TVM_Event none = MakeEvent<&TVMMenu::CheckItem>(menu_.get(), 40);
  FireNull(none);  // no such item: nothing happens
  EXPECT_TRUE(checked(1));
}

TEST_F(MenuComponentTest, ARunOfItemsTakesItsCaptionsTheRestAndTheSeparatorHideWithoutAnyIndexMoving) {
  // Файл 0, Открыть 1, separator 2, places 3 to 5; Помощь 6.
  menu_->SetMenu("Файл\r\n(\r\nОткрыть\r\n-\r\nx\r\nx\r\nx\r\n)\r\nПомощь");
  HMENU file = GetSubMenu(Bar(), 0);
  auto shown = [&] {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(file); ++i) {
      char text[64] = {};
      GetMenuStringA(file, i, text, sizeof text, MF_BYPOSITION);
      items.push_back(GetMenuState(file, i, MF_BYPOSITION) & MF_SEPARATOR ? "-" : text);
    }
    return items;
  };
  TVM_Event run = MakeEvent<&TVMMenu::ShowItemRun>(menu_.get(), 3);
  for (const auto& [lines, items] :
       {std::pair{"&1 b.CSV\r\n&2 a.CSV", std::vector<std::string>{"Открыть", "-", "&1 b.CSV", "&2 a.CSV"}},
        std::pair{"", std::vector<std::string>{"Открыть"}},
        std::pair{"&1 c.CSV", std::vector<std::string>{"Открыть", "-", "&1 c.CSV"}}}) {
    FireStr(run, lines);
    EXPECT_EQ(shown(), items) << lines;
  }
  Choose(GetSubMenu(Bar(), 0), 2);  // "&1 c.CSV"
  Choose(Bar(), 1);                 // "Помощь"
  EXPECT_EQ(log_, (std::vector<std::string>{"click:3", "caption:&1 c.CSV", "click:6", "caption:Помощь"}));
}

TEST_F(MenuComponentTest, TemplateIsCutAtItsLimitReplacedAndTakenAwayWithTheComponent) {
  std::string longTemplate;
  for (int i = 0; i < 60; ++i) longTemplate += "Item " + std::to_string(i) + "\r\n";
  menu_->SetMenu(longTemplate);
  EXPECT_EQ(GetMenuItemCount(Bar()), kMenuTemplateLines);
  HMENU old = Bar();
  menu_->SetMenu("Один\r\nДва");
  EXPECT_FALSE(IsMenu(old));
  Choose(Bar(), 1);
  EXPECT_EQ(log_, (std::vector<std::string>{"click:1", "caption:Два"}));

  // The form's own handler keeps running behind the menu's, and is its only
  // one again once the menu is gone.
  const size_t seen = formEvents_.Count();
  SendMessageA(Window(), WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(formEvents_.Count(), seen + 1);
  menu_.reset();
  EXPECT_EQ(Bar(), nullptr);
  EXPECT_EQ(form_->Control->OnMessage, formHandler_);

  // A form control freed while a menu still serves it lives until the menu goes.
  struct TGone {
    bool Flag = false;
    void Destroyed(TObj*) { Flag = true; }
  } gone;
  TControl* control = form_->Control;
  menu_ = std::make_unique<TVMMenu>(control);
  form_.reset();
  control->DestroyHandler = MakeMethod<&TGone::Destroyed>(&gone);
  EXPECT_FALSE(gone.Flag);
  menu_.reset();
  EXPECT_TRUE(gone.Flag);
}

}  // namespace
