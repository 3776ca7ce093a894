#include "components/visual/panel_window.h"

#include "toolkit/app_window.h"
#include "toolkit/control_create.h"
#include "toolkit/key_preview.h"
#include "toolkit/window_place.h"

namespace {

constexpr char kCaption[] = "Панель плат";
constexpr char kNote[] = "Платы нумеруются по рядам от начала.";

struct TFieldLook {
  const char* Label;  // also names the field in a message
  const char* Initial;
};
constexpr TFieldLook kFields[TVMPanelWindow::kFieldCount] = {
    {"Столбцы", "1"},      {"Ряды", "1"},        {"Шаг по X", "0"},
    {"Шаг по Y", "0"},     {"Начало по X", "0"}, {"Начало по Y", "0"},
    {"Пропустить платы", ""},
};

// Client-area layout, in pixels.
constexpr int32_t kMargin = 12;
constexpr int32_t kFieldLeft = 140;
constexpr int32_t kFieldWidth = 150;
constexpr int32_t kLineHeight = 28;
constexpr int32_t kButtonWidth = 80;
constexpr int32_t kButtonHeight = 24;
constexpr int32_t kNoteTop = kMargin + TVMPanelWindow::kFieldCount * kLineHeight;
constexpr int32_t kButtonTop = kNoteTop + 30;
constexpr int32_t kWindowWidth = kFieldLeft + kFieldWidth + 2 * kMargin + 8;
constexpr int32_t kWindowHeight = kButtonTop + kButtonHeight + kMargin + 36;

bool NoModifiers() { return CurrentShortcutModifiers() == 0; }

}  // namespace

TVMPanelWindow::TVMPanelWindow(TControl* owner) : TVMWin(owner) {
  Width = kWindowWidth;
  Height = kWindowHeight;
}

// The window may outlive the component by a message or two; nothing it
// raises may reach the component then.
TVMPanelWindow::~TVMPanelWindow() {
  if (!Control || ControlDestroyed) return;
  for (TControl* field : Fields)
    if (field) field->DetachMessageHandler(MakeMethod<&TVMPanelWindow::FieldMessage>(this));
  for (TControl* button : {Ok, Cancel})
    if (button) button->DetachMessageHandler(MakeMethod<&TVMPanelWindow::ButtonMessage>(this));
}

void TVMPanelWindow::ShowPanel(TData& data, uint16_t index) {
  FireNull(OnOpening);
  if (!Control && !ControlDestroyed) MakeWindow();
  if (!Control || !Ok) return;
  if (Parent && Parent->HasWindow()) EnableWindow(Parent->Handle, FALSE);
  Control->SetVisible(true);
  SetActiveWindow(Control->Handle);
  FocusField(Fields[0]);
}

// --- The window ----------------------------------------------------------------------

void TVMPanelWindow::MakeWindow() {
  AdoptControl(CreateFormWindow(Parent, kCaption));
  // A dialog's frame: a caption with the close box, no sizing.
  Control->SetStyle((Control->Style & ~(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | WS_CAPTION | WS_SYSMENU);
  Control->SetExStyle(Control->ExStyle | WS_EX_DLGMODALFRAME);
  RECT owner{};
  if (Parent && Parent->HasWindow() && Left == 0 && Top == 0 && GetWindowRect(Parent->Handle, &owner)) {
    Left = owner.left + (owner.right - owner.left - Width) / 2;
    Top = owner.top + (owner.bottom - owner.top - Height) / 3;
  }
  if (!InitHiddenWindow()) return;
  LoadWindowPlace(Control, PositionStore);
  MakeParts();
  Control->CreateWindowNow();
}

// The parts take the window's font: they are made after it got it, in tab
// order.
void TVMPanelWindow::MakeParts() {
  for (int32_t i = 0; i < kFieldCount; ++i) {
    const int32_t top = kMargin + i * kLineHeight;
    TControl* label = CreateLabelControl(Control, kFields[i].Label);
    label->SetBoundsRect(RECT{kMargin, top + 3, kFieldLeft - 4, top + 21});
    Fields[i] = CreateEditControl(Control, kEditNoHScroll | kEditNoVScroll);
    Fields[i]->SetBoundsRect(RECT{kFieldLeft, top, kFieldLeft + kFieldWidth, top + 22});
    Fields[i]->SetCaption(kFields[i].Initial);
    Fields[i]->AttachMessageHandler(MakeMethod<&TVMPanelWindow::FieldMessage>(this));
  }
  TControl* note = CreateLabelControl(Control, kNote);
  note->SetBoundsRect(RECT{kMargin, kNoteTop, kFieldLeft + kFieldWidth, kNoteTop + 18});

  const int32_t right = kFieldLeft + kFieldWidth;
  const RECT okPlace{right - 2 * kButtonWidth - 8, kButtonTop, right - kButtonWidth - 8, kButtonTop + kButtonHeight};
  Ok = CreateChildControl(Control, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          TControlActions{}, 0);
  Ok->SetCaption("OK");
  Ok->SetBoundsRect(okPlace);
  Cancel = CreateChildControl(Control, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                              TControlActions{}, 0);
  Cancel->SetCaption("Отмена");
  Cancel->SetBoundsRect(RECT{right - kButtonWidth, kButtonTop, right, kButtonTop + kButtonHeight});
  for (TControl* button : {Ok, Cancel})
    button->AttachMessageHandler(MakeMethod<&TVMPanelWindow::ButtonMessage>(this));
  Control->FocusedControl = Fields[0];
}

// The field gets the focus with its whole text selected, as in any dialog.
void TVMPanelWindow::FocusField(TControl* field) {
  if (!Control || !field || !field->HasWindow()) return;
  Control->FocusedControl = field;
  SetFocus(field->Handle);
  SendMessageA(field->Handle, EM_SETSEL, 0, -1);
}

void TVMPanelWindow::Accept() {
  if (!Control || !Ok) return;
  TPanelTexts texts;
  std::string* values[kFieldCount] = {&texts.Columns, &texts.Rows,    &texts.PitchX, &texts.PitchY,
                                      &texts.OriginX, &texts.OriginY, &texts.Skip};
  for (int32_t i = 0; i < kFieldCount; ++i) *values[i] = Fields[i]->GetCaption();
  TBoardPanel panel;
  TPanelProblem problem;
  if (!ReadBoardPanel(texts, panel, problem)) {
    const auto field = static_cast<int32_t>(problem.Field);
    FireStr(OnInvalid, std::string(kFields[field].Label) + ": " + problem.Reason);
    FocusField(Fields[field]);
    return;
  }
  std::string lines;
  for (const JobRow& row : PanelBoardRows(panel)) {
    for (size_t c = 0; c < row.size(); ++c) lines += (c ? "," : "") + row[c];
    lines += "\r\n";
  }
  Dismiss();
  FireStr(OnRows, lines);
  FireNull(OnApplied);
}

// The owner takes input again before this window hides, so that it, and no
// other program's window, becomes the active one.
void TVMPanelWindow::Dismiss() {
  if (!Control || !Control->HasWindow()) return;
  SaveWindowPlace(Control, PositionStore);
  if (Parent && Parent->HasWindow()) EnableWindow(Parent->Handle, TRUE);
  Control->SetVisible(false);
  if (Parent && Parent->HasWindow()) SetActiveWindow(Parent->Handle);
}

// --- Messages ----------------------------------------------------------------------

// Keys come as the key preview, whichever part of the window has the focus:
// Enter is OK (Отмена when that button has the focus), Esc is Отмена.
bool TVMPanelWindow::MessageHandler(TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_CLOSE && Control) {
    Dismiss();
    result = 0;
    return true;
  }
  if (msg.Message == KeyPreviewMessage() && NoModifiers() && Ok &&
      (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE)) {
    const bool onCancel = Cancel->HasWindow() && reinterpret_cast<HWND>(msg.LParam) == Cancel->Handle;
    if (msg.WParam == VK_ESCAPE || onCancel) Dismiss();
    else Accept();
    result = 1;
    return true;
  }
  return TVMWin::MessageHandler(msg, result);
}

// A button's click reaches it as a reflected command whose code is 0.
bool TVMPanelWindow::ButtonMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message != kMsgReflectedCommand || HIWORD(msg.WParam) != BN_CLICKED) return false;
  if (sender == Ok) Accept();
  else Dismiss();
  return false;
}

bool TVMPanelWindow::FieldMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_SETFOCUS && sender->HasWindow()) {
    Control->FocusedControl = sender;
    SendMessageA(sender->Handle, EM_SETSEL, 0, -1);
  }
  return false;
}
