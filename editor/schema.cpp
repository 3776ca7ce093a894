#include "editor/schema.h"

#include "components/visual/main_form.h"
#include "core/event.h"
#include "toolkit/navigation.h"

TClassMainForm_C7FA30* SchemaInstance = nullptr;

namespace {

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);
constexpr uint32_t kWindowText = 0x80000008;

// Every window component of the editor uses this font.
TFontRec EditorFont() { return MakeFont("MS Sans Serif", 8, 0, kWindowText, 1); }

}  // namespace

TClassMainForm_C7FA30::TClassMainForm_C7FA30(TVMComponent* owner) {
  SchemaInstance = this;
  CreateMainForm();
  JoinLinks();
  AttachHints();
  EnableTabNavigation(MainForm->Control);
}

TClassMainForm_C7FA30::~TClassMainForm_C7FA30() {
  while (!Instances.empty()) {
    TVMComponent* instance = Instances.back();
    Instances.pop_back();
    delete instance;
  }
  if (SchemaInstance == this) SchemaInstance = nullptr;
}

// 1. MainForm: the main window.
void TClassMainForm_C7FA30::CreateMainForm() {
  MainForm = Keep(new TVMMainForm(nullptr));
  MainForm->Left = 0;
  MainForm->Top = 0;
  MainForm->Width = 1500;
  MainForm->Height = 936;
  MainForm->Align = 0;
  MainForm->Visible = true;
  MainForm->Enabled = true;
  MainForm->Color = kButtonFace;
  MainForm->Font = EditorFont();
  MainForm->SetCaption("ZR780K Editor");
  MainForm->SetIcon(LoadIconA(GetModuleHandleA(nullptr), "VOLA"));
  MainForm->SetFormBorder(2);
  MainForm->PositionStore = "";
  MainForm->CreationHook = MakeMethod<&TClassMainForm_C7FA30::FormCreated>(this);
  MainForm->Init();
}

// Links of the network, one line each.
void TClassMainForm_C7FA30::JoinLinks() {}

// Tooltips, for every window component in creation order.
void TClassMainForm_C7FA30::AttachHints() {
  for (TVMComponent* instance : Instances)
    if (auto* window = dynamic_cast<TVMWin*>(instance)) window->AttachHintNow();
}

void SwitchOnNetwork(TVMMainForm* mainForm) {
  if (AppWindow) AppWindow->SetVisible(mainForm->Visible);
  StartDispatch();
}
