#include "components/visual/main_form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "toolkit/form_services.h"
#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "toolkit/ini_file.h"
#include "toolkit/str_list.h"

namespace {

class MainFormTest : public VisualTest {
 protected:
  void TearDown() override {
    form_.reset();
    VisualTest::TearDown();
  }

  // A main form placed and sized as given, initialised but not yet shown.
  TVMMainForm* MakeForm(int32_t left = 40, int32_t top = 50, int32_t width = 400, int32_t height = 300,
                        const std::string& store = "") {
    form_ = std::make_unique<TVMMainForm>();
    form_->Left = left;
    form_->Top = top;
    form_->Width = width;
    form_->Height = height;
    form_->PositionStore = store;
    return form_.get();
  }
  HWND Window() { return form_->Control->Handle; }
  // What a user's click on the close box sends.
  void UserClose() { SendMessageA(Window(), WM_CLOSE, 0, 0); }

  std::unique_ptr<TVMMainForm> form_;
};

TEST_F(MainFormTest, TheFirstFormOwnsTheApplicationWindowAndMirrorsOntoIt) {
  TVMMainForm* form = MakeForm();
  ASSERT_NE(AppWindow, nullptr);
  EXPECT_TRUE(form->OwnsAppWindow);
  EXPECT_EQ(form->Control->Parent, AppWindow);
  EXPECT_EQ(StartHandlerCount(), 1u);
  form->SetCaption("ZR780K Editor");
  form->SetAppToolWindow(0);
  uint32_t appExStyle = AppWindow->ExStyle;
  form->Init();
  EXPECT_EQ(WindowText(Window()), "ZR780K Editor");
  EXPECT_EQ(WindowText(AppWindow->GetHandle()), "ZR780K Editor");
  EXPECT_EQ(AppWindow->ExStyle, appExStyle) << "flag 0 changes nothing";
  form->SetAppToolWindow(1);
  EXPECT_EQ(AppWindow->ExStyle, 0x81u);
  EXPECT_EQ(GetWindowLongA(AppWindow->Handle, GWL_EXSTYLE) & 0x81, 0x81);
  // The application window follows the form's place and width.
  EXPECT_EQ(WindowRect(AppWindow->Handle).left, 40);
  EXPECT_EQ(WindowRect(AppWindow->Handle).top, 50);
  EXPECT_EQ(AppWindow->GetWidth(), 400);
  form->Control->SetBoundsRect(RECT{70, 80, 570, 480});
  EXPECT_EQ(WindowRect(AppWindow->Handle).left, 70);
  EXPECT_EQ(WindowRect(AppWindow->Handle).top, 80);
  EXPECT_EQ(AppWindow->GetWidth(), 500);

  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION));
  form->SetIcon(icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Window(), WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(AppWindow->Handle, WM_GETICON, ICON_BIG, 0)), icon);

  // A second form finds the application window and leaves it alone.
  TVMMainForm second;
  EXPECT_FALSE(second.OwnsAppWindow);
  second.SetCaption("second");
  EXPECT_EQ(WindowText(AppWindow->Handle), "ZR780K Editor");
  second.SetAppToolWindow(1);
  second.Init();
  EXPECT_EQ(AppWindow->ExStyle, 0x81u);
  EXPECT_EQ(StartHandlerCount(), 2u);
}

TEST_F(MainFormTest, TheWindowAppearsOnlyAfterOnCreateWhenTheNetworkIsSwitchedOn) {
  TVMMainForm* form = MakeForm();
  TProbe created, moved, resized;
  bool visibleAtCreate = true;
  created.Then = [&](TData&, uint16_t) { visibleAtCreate = IsWindowVisible(Window()) != 0; };
  form->OnCreate = created.Action();
  form->OnMove = moved.Action();
  form->OnResize = resized.Action();
  form->Init();

  // Building: the window exists, hidden; the moves and sizes it went
  // through reached nobody.
  ASSERT_TRUE(IsWindow(Window()));
  EXPECT_FALSE(IsWindowVisible(Window()));
  form->Control->SetPosition(60, 70);
  DispatchQueued();
  EXPECT_EQ(created.Count(), 0u);
  EXPECT_EQ(moved.Count(), 0u);
  EXPECT_EQ(resized.Count(), 0u);

  StartDispatch();
  EXPECT_EQ(created.Count(), 1u);
  EXPECT_FALSE(visibleAtCreate);
  EXPECT_TRUE(IsWindowVisible(Window()));
  form->Control->SetPosition(80, 90);
  EXPECT_GE(moved.Count(), 1u);
}

TEST_F(MainFormTest, ARefusedUserCloseKeepsTheWindowAndFiresNothing) {
  TVMMainForm* form = MakeForm();
  TProbe query, closed, other;
  SetIntValue(query.Answer, 1);
  form->CloseQuery = query.Point();
  form->OnClose = closed.Action();
  form->Init();
  StartDispatch();

  UserClose();
  EXPECT_EQ(query.Reads, 1);
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_EQ(closed.Count(), 0u);
  EXPECT_FALSE(TakeQuit()) << "no quit was posted";
  TVM_Event link = other.Action();
  FireInt(link, 3);
  EXPECT_EQ(other.Count(), 1u) << "the network still runs";

  // A close sent by a parent form is not asked.
  SendMessageA(Window(), WM_CLOSE, 0, 1);
  EXPECT_EQ(query.Reads, 1);
  EXPECT_EQ(closed.Count(), 1u);
}

TEST_F(MainFormTest, AfterTheMainFormClosesTheNetworkIsSilent) {
  TVMMainForm* form = MakeForm();
  TProbe query, closed, activated, other;
  SetIntValue(query.Answer, 0);
  SetIntValue(other.Answer, 7);
  form->CloseQuery = query.Point();
  form->OnClose = closed.Action();
  form->OnActivate = activated.Action();
  form->Init();
  StartDispatch();
  size_t activations = activated.Count();

  UserClose();
  EXPECT_EQ(closed.Count(), 1u);
  EXPECT_TRUE(WaitUntil(TakeQuit)) << "closing the main window ends the loop";

  TVM_Event action = other.Action();
  FireInt(action, 1);
  SendMessageA(Window(), WM_ACTIVATE, WA_ACTIVE, 0);
  TData answer;
  TVM_Event point = other.Point();
  ReadPointOrBreak(answer, point);
  EXPECT_EQ(other.Count(), 0u);
  EXPECT_EQ(activated.Count(), activations);
  EXPECT_EQ(other.Reads, 0);
  EXPECT_EQ(answer.Kind, kKindNull);
}

// A form that follows another: it asks this getter for the window to follow.
struct TAnchor {
  TControl* Target = nullptr;
  int Calls = 0;
  TControl* Get(TControl* follower) {
    ++Calls;
    return Target;
  }
};

TEST_F(MainFormTest, ASecondaryFormFollowsItsAnchorAndOnlyHidesWhenClosed) {
  TVMMainForm* main = MakeForm(40, 50, 400, 300);
  main->SecondText = "tells the others when it moves";
  main->Init();
  auto second = std::make_unique<TVMMainForm>(main->Control);
  EXPECT_FALSE(second->OwnsAppWindow);
  second->Width = 200;
  second->Height = 100;
  second->AnchorOffsetX = 10;
  second->AnchorOffsetY = 20;
  TAnchor anchor{main->Control};
  second->SetAnchor(MakeMethod<&TAnchor::Get>(&anchor));
  EXPECT_EQ(anchor.Calls, 1) << "asked once when set";
  TProbe query, closed;
  SetIntValue(query.Answer, 1);
  second->CloseQuery = query.Point();
  second->OnClose = closed.Action();
  second->Init();
  HWND follower = second->Control->Handle;
  EXPECT_GE(FormWindows->IndexOfObject(follower), 0);
  StartDispatch();
  ASSERT_TRUE(IsWindowVisible(follower));

  main->Control->SetPosition(100, 120);
  WaitUntil([&] { return WindowRect(follower).left == 110; });
  EXPECT_EQ(WindowRect(follower).left, 110);
  EXPECT_EQ(WindowRect(follower).top, 140);
  EXPECT_EQ(WindowRect(follower).right - WindowRect(follower).left, 200);

  // A refused close, then an accepted one: the window is only hidden.
  SendMessageA(follower, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(follower));
  SetIntValue(query.Answer, 0);
  SendMessageA(follower, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(follower));
  EXPECT_FALSE(IsWindowVisible(follower));
  EXPECT_EQ(closed.Count(), 0u) << "only the main form reports its close";
  EXPECT_FALSE(TakeQuit());

  // Closing the main form closes the follower without asking it.
  second->Control->SetVisible(true);
  int reads = query.Reads;
  UserClose();
  EXPECT_FALSE(IsWindowVisible(follower));
  EXPECT_EQ(query.Reads, reads);
  EXPECT_TRUE(WaitUntil(TakeQuit));

  second.reset();
  EXPECT_LT(FormWindows->IndexOfObject(follower), 0);
}

TEST_F(MainFormTest, SetFormBorderReplacesTheBorderBitsAndIgnoresUnknownKinds) {
  TVMMainForm* form = MakeForm();
  form->Init();
  form->SetFormBorder(2);
  LONG style = GetWindowLongA(Window(), GWL_STYLE);
  LONG exStyle = GetWindowLongA(Window(), GWL_EXSTYLE);
  EXPECT_EQ(style & 0x00C70000, 0x00C70000);

  form->SetFormBorder(12);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_EXSTYLE), exStyle);
  form->SetFormBorder(10);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE), style);

  form->SetFormBorder(5);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE) & 0x00C70000, 0x00C40000);
  EXPECT_EQ(form->Control->ExStyle & 0x181, 0x80u);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_EXSTYLE) & 0x81, 0x80);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE) & ~0x00C70000, style & ~0x00C70000)
      << "other style bits stay";
}

// --- Position stores ------------------------------------------------------------

struct Place {
  LONG Left, Top, Width, Height;
  bool operator==(const Place&) const = default;
};

Place PlaceOf(HWND window) {
  RECT r = WindowRect(window);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

class PositionStoreTest : public MainFormTest {
 protected:
  // Shows a form with the store, moves it to `place` and closes it.
  void RunAndLeaveAt(const std::string& store, const Place& place) {
    MakeForm(40, 50, 400, 300, store)->Init();
    StartDispatch();
    MoveWindow(Window(), place.Left, place.Top, place.Width, place.Height, TRUE);
    UserClose();
    DispatchQueued();
    // A new run of the program: the store alone carries over.
    form_.reset();
    VisualTest::TearDown();
    VisualTest::SetUp();
  }
  // A new form with the store, at its own place until shown.
  Place ShownPlace(const std::string& store, int32_t left = 40, int32_t top = 50) {
    MakeForm(left, top, 400, 300, store)->Init();
    StartDispatch();
    return PlaceOf(Window());
  }
};

TEST_F(PositionStoreTest, AnIniStoreKeepsThePlaceBesideTheProgram) {
  const std::string file = StartDir() + "zr-position-test.ini";
  DeleteFileA(file.c_str());
  const Place place{111, 122, 333, 244};
  RunAndLeaveAt("zr-position-test.ini\\Main", place);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Left", -1, file.c_str()), 111u);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Top", -1, file.c_str()), 122u);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Width", -1, file.c_str()), 333u);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Height", -1, file.c_str()), 244u);
  EXPECT_EQ(ShownPlace("zr-position-test.ini\\Main"), place);

  // A section that is missing leaves the form where it was.
  form_.reset();
  EXPECT_EQ(ShownPlace("zr-position-test.ini\\Other"), (Place{40, 50, 400, 300}));
  DeleteFileA(file.c_str());
}

class RegistryStoreTest : public PositionStoreTest {
 protected:
  // Each test keeps its own key: ctest runs the tests side by side.
  const std::string store_ =
      std::string("ZR780K-Test\\") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string key_ = "Software\\" + store_;
  const char* kStore = store_.c_str();
  void SetUp() override {
    PositionStoreTest::SetUp();
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
  }
  void TearDown() override {
    PositionStoreTest::TearDown();
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZR780K-Test");
  }
  DWORD Value(const char* name) const {
    DWORD data = 0xDEAD, size = sizeof data;
    RegGetValueA(HKEY_CURRENT_USER, key_.c_str(), name, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
  }
};

TEST_F(RegistryStoreTest, ARegistryStoreKeepsThePlaceUnderTheUsersSoftwareKey) {
  EXPECT_EQ(ShownPlace(kStore), (Place{40, 50, 400, 300})) << "no key: nothing moves";
  form_.reset();
  const Place place{101, 102, 303, 204};
  RunAndLeaveAt(kStore, place);
  EXPECT_EQ(Value("Left"), 101u);
  EXPECT_EQ(Value("Top"), 102u);
  EXPECT_EQ(Value("Width"), 303u);
  EXPECT_EQ(Value("Height"), 204u);
  EXPECT_EQ(ShownPlace(kStore), place);
}

TEST_F(RegistryStoreTest, AKeyHoldingOnlyTopMovesTheWindowVertically) {
  DWORD top = 77;
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Top", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&top), sizeof top);
  RegCloseKey(key);
  EXPECT_EQ(ShownPlace(kStore, 40, 50), (Place{40, 77, 400, 300}));
}

TEST_F(PositionStoreTest, AMinimizedFormKeepsTheStoredPlace) {
  const std::string file = StartDir() + "zr-position-min.ini";
  DeleteFileA(file.c_str());
  MakeForm(40, 50, 400, 300, "zr-position-min.ini\\Main")->Init();
  StartDispatch();
  ShowWindow(Window(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(Window()));
  UserClose();
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Left", -1, file.c_str()), static_cast<UINT>(-1));
  DeleteFileA(file.c_str());
}

}  // namespace
