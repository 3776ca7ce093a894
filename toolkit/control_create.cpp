#include "toolkit/control_create.h"

#include "toolkit/child_handler.h"
#include "toolkit/graphic_tool.h"

namespace {

void ClearCaption(TControl* control) { control->SetCaption(""); }

TControlActions LabelActions() {
  TControlActions a;
  a.Clear = &ClearCaption;
  a.AlignLeftBits = 0;
  a.AlignRightBits = 2;
  a.AlignCenterBits = 1;
  a.AlignClearMask = 0x020C;
  a.ExtraWidth = 1;
  a.ExtraHeight = 1;
  return a;
}

TControlActions EditActions() {
  TControlActions a;
  a.Clear = &ClearCaption;
  a.EnterCode = EN_SETFOCUS;
  a.LeaveCode = EN_KILLFOCUS;
  a.ChangeCode = EN_CHANGE;
  a.CountMsg = EM_GETLINECOUNT;
  a.GetIndexMsg = EM_GETSEL;
  a.SetIndexBothMsg = EM_SETSEL;
  a.AlignLeftBits = 0;
  a.AlignRightBits = 2;
  a.AlignCenterBits = 1;
  a.ExtraHeight = 6;
  return a;
}

// Labels repaint after every resize (their text may wrap differently).
bool InvalidateOnSize(void*, TControl* control, TMsg& msg, LRESULT&) {
  if (msg.Message == WM_SIZE) control->Invalidate();
  return false;
}

}  // namespace

void InitControlObject(TControl* control, TControl* parent, const std::string& className,
                       uint8_t ctl3dRequest) {
  control->InitWithParent(parent);
  control->NativeClassName = className;
  if (!parent) return;
  control->NavigateProc = parent->NavigateProc;
  control->Ctl3DInherit = parent->Ctl3DInherit;
  control->Margin = parent->Margin;
  control->FontColor = parent->FontColor;
  control->Color = parent->Color;
  control->Ctl3D = parent->Ctl3DInherit ? ctl3dRequest : 0;
  int32_t left = parent->Margin + parent->PaddingLeft;
  int32_t top = parent->Margin + parent->PaddingTop;
  control->BoundsRect = RECT{left, top, left + 64, top + 64};
}

TControl* CreateControlObject(TControl* parent, const std::string& className, uint8_t ctl3dRequest) {
  auto* control = New<TControl>();
  InitControlObject(control, parent, className, ctl3dRequest);
  return control;
}

void InitChildControl(TControl* control, TControl* parent, const std::string& className,
                      uint32_t style, const TControlActions& actions, uint8_t ctl3dRequest) {
  InitControlObject(control, parent, className, ctl3dRequest);
  control->Actions = actions;
  control->IsControl = 1;
  control->Style = style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  control->Visible = (style & WS_VISIBLE) ? 1 : 0;
  control->TabStop = (style & WS_TABSTOP) ? 1 : 0;
  TControl* form = ParentFormOf(control);
  if (form) control->TabOrder = ++form->TabOrder;
  if (parent) control->Cursor = parent->Cursor;
  control->NavigationKeys = 15;
  if (control->Ctl3D) {
    control->Style &= ~WS_BORDER;
    control->ExStyle |= WS_EX_CLIENTEDGE;
  }
  if ((style & WS_TABSTOP) && form && !form->FocusedControl) form->FocusedControl = control;
  control->MenuOrId = NextControlId++;
  AttachStandardChildHandler(control);
}

TControl* CreateChildControl(TControl* parent, const std::string& className, uint32_t style,
                             const TControlActions& actions, uint8_t ctl3dRequest) {
  auto* control = New<TControl>();
  InitChildControl(control, parent, className, style, actions, ctl3dRequest);
  return control;
}

// A visible child static that reports clicks, shows "&" as it is and does
// not wrap its text.
constexpr uint32_t kLabelStyle =
    WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;

TControl* CreateLabelControl(TControl* parent, const std::string& caption) {
  TControl* label = CreateChildControl(parent, "STATIC", kLabelStyle, LabelActions(), 0);
  label->HideOnSetText = 1;
  label->AttachMessageHandler(&InvalidateOnSize);
  label->BoundsRect.bottom = label->BoundsRect.top + 22;
  label->SetCaption(caption);
  return label;
}

uint32_t EditStyleFromOptions(uint32_t options) {
  uint32_t style = 0;
  if (!(options & kEditNoHScroll)) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (!(options & kEditNoVScroll)) style |= WS_VSCROLL | ES_AUTOVSCROLL;
  if (options & kEditLowerCase) style |= ES_LOWERCASE;
  if (options & kEditMultiLine) style |= ES_MULTILINE;
  if (options & kEditNoHideSel) style |= ES_NOHIDESEL;
  if (options & kEditOemConvert) style |= ES_OEMCONVERT;
  if (options & kEditPassword) style |= ES_PASSWORD;
  if (options & kEditReadOnly) style |= ES_READONLY;
  if (options & kEditUpperCase) style |= ES_UPPERCASE;
  if (options & kEditWantReturn) style |= ES_WANTRETURN;
  if (options & kEditNumber) style |= ES_NUMBER;
  if (!(options & kEditMultiLine)) style &= ~(WS_HSCROLL | WS_VSCROLL);
  return style | 0x50810000;
}

TControl* CreateEditControl(TControl* parent, uint32_t options) {
  TControl* edit = CreateChildControl(parent, "EDIT", EditStyleFromOptions(options), EditActions(), 1);
  bool multiLine = (options & kEditMultiLine) != 0;
  RECT& r = edit->BoundsRect;
  r.right = r.left + (multiLine ? 200 : 100);
  r.bottom = r.top + (multiLine ? 200 : 22);
  edit->NavigationKeys = multiLine ? 1 : 13;
  if (options & kEditWantTab) edit->NavigationKeys &= ~1;
  return edit;
}
