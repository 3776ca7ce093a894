// A small program built only from the window toolkit: a form with a heading,
// three rows of a caption and an edit box, a note box and a status line, all
// placed by alignment, painted through an off-screen buffer, with Tab, the
// arrow keys and PageUp/PageDown moving the focus in tab order.
#include <windows.h>

#include <string>

#include "core/font.h"
#include "toolkit/align.h"
#include "toolkit/app_window.h"
#include "toolkit/auto_size.h"
#include "toolkit/control_create.h"
#include "toolkit/message_loop.h"
#include "toolkit/navigation.h"
#include "toolkit/paint.h"

namespace {

constexpr int32_t kCaptionWidth = 120;
constexpr int32_t kRowHeight = 26;

// A plain child window that holds other controls.
TControl* CreatePanel(TControl* parent, int32_t height) {
  TControl* panel =
      CreateChildControl(parent, "STATIC", WS_CHILD | WS_VISIBLE, TControlActions{}, 0);
  panel->SetHeight(height);
  return panel;
}

// One row: a caption on the left, the edit box filling the rest.
TControl* AddRow(TControl* form, const std::string& caption, const std::string& text) {
  TControl* row = CreatePanel(form, kRowHeight);
  row->Margin = 2;
  TControl* label = CreateLabelControl(row, caption);
  label->SetStyle(label->Style | SS_CENTERIMAGE);
  label->SetWidth(kCaptionWidth);
  TControl* edit = CreateEditControl(row, 0);
  edit->SetCaption(text);
  SetAlign(label, kAlignLeft);
  SetAlign(edit, kAlignClient);
  SetAlign(row, kAlignTop);
  return edit;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TControl* app = CreateAppWindow("Демонстрация набора окон");
  TControl* form = CreateFormWindow(app, "Демонстрация набора окон");
  form->SetFontName("Tahoma");
  form->SetFontHeight(PointsToHeight(9));
  form->SetBoundsRect(RECT{120, 100, 620, 460});
  form->Margin = 6;
  SetDoubleBuffered(form, true);

  TControl* heading = CreateLabelControl(form, "Карточка компонента");
  heading->SetFontStyle(1);
  SetTransparent(heading, true);
  SetAlign(heading, kAlignTop);
  SetAutoSize(heading, true);

  AddRow(form, "Обозначение:", "R12");
  AddRow(form, "Корпус:", "0805");
  AddRow(form, "Питатель:", "F03");

  TControl* status = CreateLabelControl(form, "Tab, Shift+Tab и стрелки переводят фокус");
  SetAlign(status, kAlignBottom);
  SetAutoSize(status, true);

  TControl* note = CreateEditControl(form, kEditMultiLine | kEditNoHScroll | kEditNoVScroll);
  note->SetCaption("Примечание: поле занимает всё оставшееся место.");
  SetAlign(note, kAlignClient);

  EnableTabNavigation(form);
  RunMessageLoop(app);
  return 0;
}
