// Message dispatch: the handler chain and its order, closing, keys, mouse,
// reflected notifications and colours.
#include <windows.h>
#include <commctrl.h>

#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"
#include "toolkit/common_control.h"
#include "toolkit/control_create.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;
std::vector<std::string>* gLog = nullptr;
bool gPreHandles = false;

bool RecordingPreHandler(TControl*, TMsg& msg, LRESULT& result) {
  if (msg.Message != kProbe || !gLog) return false;
  gLog->push_back("pre");
  if (gPreHandles) result = 7;
  return gPreHandles;
}

// A handler that logs its name for kProbe and handles it when told to.
struct TRecorder {
  std::vector<std::string>* Log;
  std::string Name;
  bool Handles = false;
  LRESULT Result = 0;
  UINT Message = kProbe;
  bool OnMessage(TControl*, TMsg& msg, LRESULT& result) {
    if (msg.Message != Message) return false;
    Log->push_back(Name);
    if (Handles) result = Result;
    return Handles;
  }
};

class WindowProcedureTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    gLog = &Log;
    GlobalPreHandler = &RecordingPreHandler;
  }
  void TearDown() override {
    gLog = nullptr;
    gPreHandles = false;
    GlobalPreHandler = [](TControl*, TMsg&, LRESULT&) { return false; };
    ToolkitTest::TearDown();
  }
  TRecorder* Recorder(const std::string& name) {
    Recorders.push_back(std::make_unique<TRecorder>(TRecorder{&Log, name}));
    return Recorders.back().get();
  }
  static TMessageHandler Handler(TRecorder* r) { return MakeMethod<&TRecorder::OnMessage>(r); }

  std::vector<std::string> Log;
  std::vector<std::unique_ptr<TRecorder>> Recorders;
};

TEST_F(WindowProcedureTest, HandlersRunInTheirOrderAndTheFirstHandledStopsTheChain) {
  TControl* app = Keep(CreateAppWindow("App"));
  TControl* form = CreateFormWindow(app, "Form");
  app->OnMessage = Handler(Recorder("app"));
  form->OnMessage = Handler(Recorder("own"));
  TRecorder* first = Recorder("first");
  TRecorder* second = Recorder("second");
  form->AttachMessageHandler(Handler(first));
  form->AttachMessageHandler(Handler(second));
  form->AttachMessageHandler(Handler(first));  // attached once only
  HWND window = form->GetHandle();

  // The application's handler runs for other controls only while the loop runs.
  EXPECT_EQ(0, SendMessageA(window, kProbe, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"pre", "own", "second", "first"}), Log);

  AppRunning = true;
  Log.clear();
  SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"pre", "app", "own", "second", "first"}), Log);

  second->Handles = true;
  second->Result = 42;
  Log.clear();
  EXPECT_EQ(42, SendMessageA(window, kProbe, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"pre", "app", "own", "second"}), Log);

  gPreHandles = true;
  Log.clear();
  EXPECT_EQ(7, SendMessageA(window, kProbe, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"pre"}), Log);
  gPreHandles = false;

  // Once the application terminates the attached handlers are not called.
  AppTerminated = true;
  second->Handles = false;
  Log.clear();
  SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"pre", "app", "own"}), Log);
}

TEST_F(WindowProcedureTest, AHandledMessageSkipsTheBuiltInHandling) {
  TControl* app = Keep(CreateAppWindow("App"));
  CreateFormWindow(app, "Main");
  TControl* other = CreateFormWindow(app, "Other");
  TRecorder* closer = Recorder("close");
  closer->Message = WM_CLOSE;
  closer->Handles = true;
  other->AttachMessageHandler(Handler(closer));
  HWND window = other->GetHandle();
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ((std::vector<std::string>{"close"}), Log);
}

struct TCloseVoter {
  bool Accept = false;
  int Asked = 0;
  void OnClose(TControl*, bool& accept) {
    ++Asked;
    accept = Accept;
  }
};

TEST_F(WindowProcedureTest, ARefusedCloseKeepsTheWindowAndIsAskedOnlyOnceOutsideTheLoop) {
  TControl* app = Keep(CreateAppWindow("App"));
  CreateFormWindow(app, "Main");
  TControl* other = CreateFormWindow(app, "Other");
  Watch(other, "other");
  TCloseVoter voter;
  other->OnClose = MakeMethod<&TCloseVoter::OnClose>(&voter);
  HWND window = other->GetHandle();

  AppRunning = true;  // refused while the loop runs: nothing changes
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(other->OnClose);

  AppRunning = false;  // refused outside the loop: kept, but not asked again
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(other->OnClose);
  EXPECT_EQ(2, voter.Asked);

  // The next close goes through; a form of the application window frees
  // itself with its window.
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(WasDestroyed("other"));
  EXPECT_EQ(2, voter.Asked);
}

TEST_F(WindowProcedureTest, ClosingTheMainFormClosesTheApplicationAndPostsQuit) {
  TControl* app = Keep(CreateAppWindow("App"));
  TControl* main = CreateFormWindow(app, "Main");
  TCloseVoter appVoter{true};
  app->OnClose = MakeMethod<&TCloseVoter::OnClose>(&appVoter);
  HWND window = main->GetHandle();
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));  // the loop's end frees it, not the close
  EXPECT_EQ(1, appVoter.Asked);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(WindowProcedureTest, MinimizingTheMainFormMinimizesTheApplicationWindow) {
  TControl* app = Keep(CreateAppWindow("App"));
  TControl* main = CreateFormWindow(app, "Main");
  TRecorder* appCommands = Recorder("app");
  appCommands->Message = WM_SYSCOMMAND;
  app->AttachMessageHandler(Handler(appCommands));
  main->CreateWindowNow();
  SendMessageA(main->Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  DispatchQueued();
  EXPECT_EQ((std::vector<std::string>{"app"}), Log);
  EXPECT_FALSE(IsIconic(main->Handle));
}

struct TKeyProbe {
  int Changes = 0;
  void OnChar(TControl*, int32_t& key, uint32_t) {
    if (key == 'a') key = 'b';      // typed as another character
    else if (key == 'x') key = 0;   // swallowed
  }
  void OnChange(TControl*) { ++Changes; }
};

TEST_F(WindowProcedureTest, KeyEventsChangeOrSwallowCharactersAndTabNeverReachesTheControl) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* edit = CreateEditControl(form, kEditMultiLine | kEditWantTab);
  TKeyProbe probe;
  edit->OnChange = MakeMethod<&TKeyProbe::OnChange>(&probe);
  form->CreateWindowNow();
  SetFocus(edit->Handle);
  ASSERT_EQ(edit->Handle, GetFocus());
  SendMessageA(edit->Handle, WM_CHAR, 'q', 1);
  SendMessageA(edit->Handle, WM_CHAR, '\t', 1);  // a multi-line edit would insert it
  EXPECT_EQ("q", edit->GetCaption());
  EXPECT_EQ(1, probe.Changes);  // EN_CHANGE, reflected to the edit box

  edit->SetOnChar(MakeMethod<&TKeyProbe::OnChar>(&probe));
  SendMessageA(edit->Handle, WM_CHAR, 'a', 1);
  SendMessageA(edit->Handle, WM_CHAR, 'x', 1);
  EXPECT_EQ("qb", edit->GetCaption());
}

struct TMouseProbe {
  TMouseEventData Last;
  int Calls = 0;
  bool Stop = false;
  void OnMouse(TControl*, TMouseEventData& mouse) {
    Last = mouse;
    ++Calls;
    mouse.StopHandling = Stop;
  }
};

TEST_F(WindowProcedureTest, MouseMessagesBecomeEventsThatMayStopTheMessage) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TRecorder* older = Recorder("older");
  older->Message = WM_RBUTTONDOWN;
  form->AttachMessageHandler(Handler(older));
  TMouseProbe probe;
  form->SetOnMouseDown(MakeMethod<&TMouseProbe::OnMouse>(&probe));
  HWND window = form->GetHandle();
  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(-5, 7));
  EXPECT_EQ(1, probe.Calls);
  EXPECT_EQ(2, probe.Last.Button);
  EXPECT_EQ(-5, probe.Last.X);
  EXPECT_EQ(7, probe.Last.Y);
  EXPECT_EQ(static_cast<uint32_t>(MK_RBUTTON | MK_SHIFT), probe.Last.Shift & ~kShiftAlt);
  EXPECT_EQ(1u, Log.size());  // not stopped: the older handler saw it too

  probe.Stop = true;
  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
  EXPECT_EQ(2, probe.Calls);
  EXPECT_EQ(1u, Log.size());
  SendMessageA(window, WM_MBUTTONDBLCLK, 0, 0);  // no double-click event set
  EXPECT_EQ(2, probe.Calls);
}

TEST_F(WindowProcedureTest, ColourRequestsAreAnsweredByTheChildWithItsOwnColours) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* edit = CreateEditControl(form, 0);
  TControl* label = CreateLabelControl(form, "x");
  edit->SetColor(RGB(200, 10, 10));
  edit->SetFontColor(RGB(0, 0, 255));
  label->Transparent = 1;
  form->CreateWindowNow();
  HDC dc = GetDC(edit->Handle);
  LRESULT brush = SendMessageA(form->Handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(edit->Handle));
  EXPECT_EQ(reinterpret_cast<LRESULT>(edit->GetBackgroundBrush()), brush);
  EXPECT_EQ(RGB(0, 0, 255), GetTextColor(dc));
  EXPECT_EQ(RGB(200, 10, 10), GetBkColor(dc));
  EXPECT_EQ(OPAQUE, GetBkMode(dc));
  LOGBRUSH description;
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof description, &description);
  EXPECT_EQ(RGB(200, 10, 10), description.lbColor);

  brush = SendMessageA(form->Handle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(label->Handle));
  EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)), brush);
  EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
  ReleaseDC(edit->Handle, dc);
}

struct TNotifyProbe {
  std::vector<std::string> Log;
  void OnClick(TControl* sender) { Log.push_back(sender->RightClick ? "right" : "left"); }
  void OnEnter(TControl*) { Log.push_back("enter"); }
};

TEST_F(WindowProcedureTest, NotificationsReachTheCommonControlThatSentThem) {
  InitCommonControlClasses(255);
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* list = CreateChildControl(form, "SysListView32", 0x52010041, TControlActions{}, 1);
  MakeCommonControl(list);
  TNotifyProbe probe;
  list->OnClick = MakeMethod<&TNotifyProbe::OnClick>(&probe);
  list->OnEnter = MakeMethod<&TNotifyProbe::OnEnter>(&probe);
  form->CreateWindowNow();
  ASSERT_NE(nullptr, list->Handle);
  probe.Log.clear();  // the shown form may already have focused the list view
  auto notify = [&](HWND from, UINT code) {
    NMHDR header{from, static_cast<UINT_PTR>(list->MenuOrId), code};
    SendMessageA(form->Handle, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  };
  notify(list->Handle, NM_RCLICK);
  notify(list->Handle, NM_CLICK);
  notify(list->Handle, NM_RETURN);
  notify(form->Handle, NM_CLICK);  // about the form itself: reaches no control
  EXPECT_EQ((std::vector<std::string>{"right", "left", "enter"}), probe.Log);
}

}  // namespace
