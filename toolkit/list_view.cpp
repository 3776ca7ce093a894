// List view creation from a view style and an option set, re-styling, colours,
// image lists, and the notifications that become events.
#include "toolkit/list_view.h"

#include <commctrl.h>

#include "toolkit/common_control.h"
#include "toolkit/control_create.h"
#include "toolkit/graphic_tool.h"
#include "toolkit/image_list.h"
#include "toolkit/list_edit.h"

namespace {

// Window styles of option bits 0 to 10 (bit n gives kOptionStyles[n]); bits 7
// and 8 work the other way round: their style is given when the bit is absent.
// Option bits 11 to 23 give the extended list-view styles in order.
constexpr uint32_t kOptionStyles[11] = {LVS_ALIGNLEFT,     LVS_AUTOARRANGE,     LVS_OWNERDRAWFIXED,
                                        LVS_EDITLABELS,    LVS_NOLABELWRAP,     LVS_NOSCROLL,
                                        LVS_NOSORTHEADER,  0,                   0,
                                        LVS_SORTASCENDING, LVS_SORTDESCENDING};
constexpr uint32_t kOptionExStyles[13] = {
    LVS_EX_GRIDLINES,        LVS_EX_SUBITEMIMAGES,   LVS_EX_CHECKBOXES,   LVS_EX_TRACKSELECT,
    LVS_EX_HEADERDRAGDROP,   LVS_EX_FULLROWSELECT,   LVS_EX_ONECLICKACTIVATE,
    LVS_EX_TWOCLICKACTIVATE, LVS_EX_FLATSB,          LVS_EX_REGIONAL,     LVS_EX_INFOTIP,
    LVS_EX_UNDERLINEHOT,     LVS_EX_MULTIWORKAREAS};
constexpr int kFirstExOption = 11;

// Styles that re-styling recomputes from the view style and the options.
constexpr uint32_t kViewAndSelectionStyles = 0x403F;

void ClearRows(TControl* control) { SendMessageA(control->GetHandle(), LVM_DELETEALLITEMS, 0, 0); }

TControlActions ListViewActions() {
  TControlActions a;
  a.Clear = &ClearRows;
  a.ChangeCode = static_cast<uint16_t>(LVN_ITEMCHANGED);
  a.CountMsg = LVM_GETITEMCOUNT;
  a.SetCountMsg = LVM_SETITEMCOUNT;
  a.ImageListMsg = LVM_SETIMAGELIST;
  a.SetBkColorMsg = LVM_SETBKCOLOR;
  return a;
}

// The image list used as state images: the given one, or else the first
// image list the control owns that serves neither as normal nor as small.
TImageList* StateImages(TListView* lv) {
  if (lv->ImageLists[LVSIL_STATE]) return lv->ImageLists[LVSIL_STATE];
  for (TImageList* il = lv->OwnedImageLists; il; il = il->NextOfOwner) {
    if (il != lv->ImageLists[LVSIL_NORMAL] && il != lv->ImageLists[LVSIL_SMALL]) return il;
  }
  return nullptr;
}

void ApplyImageLists(TListView* lv) {
  TImageList* lists[3] = {lv->ImageLists[LVSIL_NORMAL], lv->ImageLists[LVSIL_SMALL], StateImages(lv)};
  // A missing list is not sent: that would take away the native control's
  // own lists (the check box images).
  for (WPARAM kind = 0; kind < 3; ++kind) {
    if (lists[kind])
      SendMessageA(lv->Handle, lv->Actions.ImageListMsg, kind,
                   reinterpret_cast<LPARAM>(ImageListHandle(lists[kind])));
  }
}

void ApplyColors(TListView* lv) {
  SendMessageA(lv->Handle, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ResolveColor(lv->Color)));
  SendMessageA(lv->Handle, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ResolveColor(lv->FontColor)));
  SendMessageA(lv->Handle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ResolveColor(lv->TextBkColor)));
}

// Brings the window in line with the view style, the options, the image lists
// and the colours. Runs after the window is created and on a view change.
void Restyle(TListView* lv) {
  uint32_t style = ListOptionStyles(lv->ListOptions) | (lv->Style & ~kViewAndSelectionStyles) |
                   ViewStyleBits(lv->ViewStyle);
  lv->SetStyle(style);
  if (!lv->HasWindow()) return;
  SendMessageA(lv->Handle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x3FFF,
               static_cast<LPARAM>(ListOptionExStyles(lv->ListOptions)));
  ApplyImageLists(lv);
}

void AfterListViewCreated(TControl* control) {
  auto* lv = static_cast<TListView*>(control);
  Restyle(lv);
  ApplyColors(lv);
}

uint32_t DrawState(uint32_t rowState) {
  uint32_t state = 0;
  if (rowState & LVIS_SELECTED) state |= kDrawSelected;
  if (rowState & LVIS_CUT) state |= kDrawCut;
  if (rowState & LVIS_FOCUSED) state |= kDrawFocused;
  if (rowState & LVIS_DROPHILITED) state |= kDrawDropHilited;
  return state;
}

bool CustomDraw(TListView* lv, NMLVCUSTOMDRAW& draw, LRESULT& result) {
  if (!lv->OnCustomDraw) return false;
  const uint32_t stage = draw.nmcd.dwDrawStage;
  const int32_t row = (stage & CDDS_ITEM) ? static_cast<int32_t>(draw.nmcd.dwItemSpec) : -1;
  const int32_t col = (stage & CDDS_SUBITEM) ? draw.iSubItem : -1;
  const uint32_t state = row >= 0 ? DrawState(ListGetRowState(lv, row)) : 0;
  result = lv->OnCustomDraw(lv, draw.nmcd.hdc, stage, row, col, state, draw.nmcd.rc, draw.clrText,
                            draw.clrTextBk);
  return true;
}

// The list-view notifications that carry events. Item changes are never
// counted as handled; custom drawing is when the event is set.
bool ListNotifications(void*, TControl* control, TMsg& msg, LRESULT& result) {
  if (msg.Message != WM_NOTIFY || msg.Window != control->Handle || !msg.LParam) return false;
  auto* header = reinterpret_cast<NMHDR*>(msg.LParam);
  if (header->hwndFrom != control->Handle) return false;
  auto* lv = static_cast<TListView*>(control);
  switch (header->code) {
    case LVN_COLUMNCLICK:
      if (lv->OnColumnClick) lv->OnColumnClick(lv, reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return false;
    case LVN_ITEMCHANGED:
      if (lv->OnItemStateChanged) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        lv->OnItemStateChanged(lv, change->iItem, change->iItem, change->uOldState, change->uNewState);
      }
      return false;
    case LVN_ODSTATECHANGED:
      if (lv->OnItemStateChanged) {
        auto* change = reinterpret_cast<NMLVODSTATECHANGE*>(header);
        lv->OnItemStateChanged(lv, change->iFrom, change->iTo, change->uOldState, change->uNewState);
      }
      return false;
    case NM_CUSTOMDRAW:
      return CustomDraw(lv, *reinterpret_cast<NMLVCUSTOMDRAW*>(header), result);
    default:
      return false;
  }
}

// The posted resume, and a paint request as a backstop should it be lost.
bool RedrawHandler(void*, TControl* control, TMsg& msg, LRESULT& result) {
  if (msg.Window != control->Handle) return false;
  if (msg.Message == WM_PAINT) {
    ListResumeRedraw(static_cast<TListView*>(control));
    return false;
  }
  if (msg.Message != kMsgResumeRedraw) return false;
  ListResumeRedraw(static_cast<TListView*>(control));
  result = 0;
  return true;
}

// Notes any message that gives a row the cut or drop-highlight bit, from
// this program or another, so that clearing them needs no look at every row
// while none was ever given.
bool MarkWatcher(void*, TControl* control, TMsg& msg, LRESULT&) {
  if (msg.Window != control->Handle || !msg.LParam) return false;
  const auto* item = reinterpret_cast<const LVITEMA*>(msg.LParam);
  switch (msg.Message) {
    case LVM_SETITEMA:
    case LVM_SETITEMW:
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
      if (!(item->mask & LVIF_STATE)) return false;
      break;
    case LVM_SETITEMSTATE:
      break;
    default:
      return false;
  }
  if (item->state & item->stateMask & (LVIS_CUT | LVIS_DROPHILITED))
    static_cast<TListView*>(control)->RowsMayBeMarked = 1;
  return false;
}

void HoldImageList(TListView* lv, int kind, TImageList* list, int32_t defaultSize) {
  lv->ImageLists[kind] = list;
  if (!list) return;
  list->AddHold();
  if (defaultSize && (list->Width == 0 || list->Height == 0)) list->Width = list->Height = defaultSize;
}

}  // namespace

TListView::~TListView() {
  if (TListEdit* editor = CellEditor) {
    editor->Free();
    // Still there when it was busy with a message: it lets go of this list
    // view now and is destroyed when that message is done.
    if (CellEditor) CellEditor->ListViewGone();
    CellEditor = nullptr;
  }
  // The window stops showing these lists before they may go. The message goes
  // to the native procedure directly: this object is being destroyed and must
  // not dispatch messages any more.
  for (int kind = 0; kind < 3; ++kind) {
    TImageList* list = ImageLists[kind];
    if (!list) continue;
    ImageLists[kind] = nullptr;
    if (HasWindow() && PrevWindowProc && list->Handle)
      CallWindowProcA(PrevWindowProc, Handle, LVM_SETIMAGELIST, static_cast<WPARAM>(kind), 0);
    list->DropHold();
  }
}

uint32_t ViewStyleBits(uint8_t viewStyle) {
  switch (viewStyle) {
    case kViewSmallIcons: return LVS_SMALLICON;
    case kViewList: return LVS_LIST;
    case kViewReport: return LVS_REPORT;
    case kViewReportNoHeader: return LVS_REPORT | LVS_NOCOLUMNHEADER;
    default: return LVS_ICON;
  }
}

uint32_t ListOptionStyles(uint32_t options) {
  uint32_t style = 0;
  for (int bit = 0; bit < 11; ++bit)
    if (options & (1u << bit)) style |= kOptionStyles[bit];
  if (!(options & kListHideSelection)) style |= LVS_SHOWSELALWAYS;
  if (!(options & kListMultiSelect)) style |= LVS_SINGLESEL;
  if (options & kListOwnerData) style |= LVS_OWNERDATA;
  if (options & kListOwnerDrawFixed) style |= LVS_OWNERDRAWFIXED;
  return style;
}

uint32_t ListOptionExStyles(uint32_t options) {
  uint32_t ex = 0;
  for (int bit = 0; bit < 13; ++bit)
    if (options & (1u << (kFirstExOption + bit))) ex |= kOptionExStyles[bit];
  return ex;
}

TListView* CreateListViewControl(TControl* parent, uint8_t viewStyle, uint32_t listOptions,
                                 TImageList* normalImages, TImageList* smallImages,
                                 TImageList* stateImages) {
  InitCommonControlClasses(255);
  auto* lv = New<TListView>();
  // 0x52010040: child, visible, tab stop, shared image lists (the lists
  // belong to the toolkit objects, not to the window).
  InitChildControl(lv, parent, "SysListView32", ViewStyleBits(viewStyle) | 0x52010040, ListViewActions(), 1);
  MakeCommonControl(lv);
  lv->AttachMessageHandler(&RedrawHandler);
  lv->AttachMessageHandler(&MarkWatcher);
  lv->ListOptions = listOptions;
  lv->ViewStyle = viewStyle;
  lv->Style = (lv->Style & ~0xFC00u) | ListOptionStyles(listOptions);
  lv->AfterCreateWindow = &AfterListViewCreated;
  lv->BoundsRect.right = lv->BoundsRect.left + 200;
  lv->BoundsRect.bottom = lv->BoundsRect.top + 150;
  HoldImageList(lv, LVSIL_SMALL, smallImages, 16);
  HoldImageList(lv, LVSIL_NORMAL, normalImages, 32);
  HoldImageList(lv, LVSIL_STATE, stateImages, 0);
  // The native control paints on the window colour; the stored colour says so
  // too (and edit boxes put on the list view take it over).
  lv->Color = SystemColor(kSysWindow);
  if (lv->Brush) lv->Brush->ToolColor = lv->Color;
  lv->NavigationKeys = 1;
  return lv;
}

void ListSetColor(TListView* lv, uint32_t which, int32_t color) {
  switch (which) {
    case kListBackground: lv->Color = color; break;
    case kListText: lv->FontColor = color; break;
    case kListTextBackground: lv->TextBkColor = color; break;
    default: return;
  }
  if (which == kListBackground && lv->Brush) {
    lv->BrushHandle = nullptr;
    SetToolColor(lv->Brush, color);
  }
  if (lv->HasWindow()) {
    SendMessageA(lv->Handle, which + 1, 0, static_cast<LPARAM>(ResolveColor(color)));
    lv->Invalidate();
  }
}

void ListDeferRedraw(TListView* lv) {
  if (lv->RedrawDeferred || !lv->HasWindow()) return;
  if (!PostMessageA(lv->Handle, kMsgResumeRedraw, 0, 0)) return;
  lv->RedrawDeferred = 1;
  SendMessageA(lv->Handle, WM_SETREDRAW, FALSE, 0);
}

void ListResumeRedraw(TListView* lv) {
  if (!lv->RedrawDeferred) return;
  lv->RedrawDeferred = 0;
  if (!lv->HasWindow()) return;
  SendMessageA(lv->Handle, WM_SETREDRAW, TRUE, 0);
  // Switching painting on may show the window again: it keeps the state the
  // object gives it.
  if (!lv->Visible && (GetWindowLongA(lv->Handle, GWL_STYLE) & WS_VISIBLE)) ShowWindow(lv->Handle, SW_HIDE);
  lv->Invalidate();
}

void ListSuspendFullRowSelect(TListView* lv, bool suspended) {
  if (!(lv->ListOptions & kListFullRowSelect) || !lv->HasWindow()) return;
  SendMessageA(lv->Handle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, suspended ? 0 : LVS_EX_FULLROWSELECT);
}

void ListSetViewStyle(TListView* lv, uint8_t style) {
  if (style == lv->ViewStyle) return;
  lv->ViewStyle = style;
  Restyle(lv);
}

void SetOnColumnClick(TListView* lv, TColumnClickEvent handler) {
  lv->OnColumnClick = handler;
  lv->AttachMessageHandler(&ListNotifications);
}

void SetOnItemStateChanged(TListView* lv, TItemStateEvent handler) {
  lv->OnItemStateChanged = handler;
  lv->AttachMessageHandler(&ListNotifications);
}

void SetOnCustomDraw(TListView* lv, TCustomDrawEvent handler) {
  lv->OnCustomDraw = handler;
  lv->AttachMessageHandler(&ListNotifications);
}
