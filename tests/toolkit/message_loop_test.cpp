// The message loop: when it ends, what it finishes first, and what it frees.
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"
#include "toolkit/message_loop.h"

namespace {

constexpr UINT kFirst = WM_APP + 1;
constexpr UINT kSecond = WM_APP + 2;

int gPasses = 0;
void CountPass(TControl*) { ++gPasses; }

class MessageLoopTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    gPasses = 0;
    IdleHook = &CountPass;
  }
  void TearDown() override {
    IdleHook = [](TControl*) {};
    ToolkitTest::TearDown();
  }
};

// Posts WM_QUIT and a second message while handling the first.
struct TQuitter {
  std::vector<UINT> Seen;
  bool OnMessage(TControl* control, TMsg& msg, LRESULT&) {
    if (msg.Message != kFirst && msg.Message != kSecond) return false;
    Seen.push_back(msg.Message);
    if (msg.Message == kFirst) {
      PostMessageA(nullptr, WM_QUIT, 0, 0);
      PostMessageA(control->Handle, kSecond, 0, 0);
    }
    return true;
  }
};

TEST_F(MessageLoopTest, QuitEndsTheLoopAfterThePendingMessagesOfThatPass) {
  TControl* app = CreateAppWindow("App");
  Watch(app, "app");
  TQuitter quitter;
  app->OnMessage = MakeMethod<&TQuitter::OnMessage>(&quitter);
  PostMessageA(app->GetHandle(), kFirst, 0, 0);
  RunMessageLoop(app);
  EXPECT_EQ((std::vector<UINT>{kFirst, kSecond}), quitter.Seen);
  EXPECT_EQ(1, gPasses);
  EXPECT_TRUE(AppTerminated);
  EXPECT_FALSE(AppRunning);
  EXPECT_EQ(nullptr, AppWindow);
  EXPECT_TRUE(WasDestroyed("app"));
}

TEST_F(MessageLoopTest, ClosingTheMainFormEndsTheLoopAndFreesEveryWindow) {
  TControl* app = CreateAppWindow("App");
  TControl* main = CreateFormWindow(app, "Main");
  Watch(app, "app");
  Watch(main, "main");
  HWND mainWindow = main->GetHandle();
  HWND appWindow = app->Handle;
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  RunMessageLoop(app);
  EXPECT_TRUE(WasDestroyed("app"));
  EXPECT_TRUE(WasDestroyed("main"));
  EXPECT_FALSE(IsWindow(mainWindow));
  EXPECT_FALSE(IsWindow(appWindow));
}

struct TCloseLog {
  int Closes = 0;
  int Pending = 0;
  bool OnMessage(TControl*, TMsg& msg, LRESULT&) {
    if (msg.Message == WM_CLOSE) ++Closes;
    if (msg.Message == kFirst) ++Pending;
    return false;
  }
  std::vector<UINT> Seen;
  bool Record(TControl*, TMsg& msg, LRESULT&) {
    if (msg.Message == kFirst) Seen.push_back(msg.Message);
    return false;
  }
};

TEST_F(MessageLoopTest, TerminatingWithoutTheLoopFinishesPendingWorkAndClosesTheApplication) {
  TControl* app = CreateAppWindow("App");
  Watch(app, "app");
  TCloseLog log;
  app->OnMessage = MakeMethod<&TCloseLog::OnMessage>(&log);
  app->AttachMessageHandler(MakeMethod<&TCloseLog::Record>(&log));
  PostMessageA(app->GetHandle(), kFirst, 0, 0);
  TControl* reference = app;
  TerminateApplication(&reference);
  EXPECT_EQ(nullptr, reference);
  EXPECT_EQ(1, log.Pending);
  EXPECT_EQ(1, log.Closes);
  // The attached handlers no longer run once the application terminates.
  EXPECT_TRUE(log.Seen.empty());
  EXPECT_TRUE(WasDestroyed("app"));
}

TEST_F(MessageLoopTest, ProcessOneMessageTakesOneMessageAtATime) {
  TControl* app = Keep(CreateAppWindow("App"));
  TCloseLog log;
  app->AttachMessageHandler(MakeMethod<&TCloseLog::Record>(&log));
  HWND window = app->GetHandle();
  DispatchQueued();
  PostMessageA(window, kFirst, 0, 0);
  PostMessageA(window, kFirst, 0, 0);
  EXPECT_TRUE(ProcessOneMessage(app));
  EXPECT_EQ(1u, log.Seen.size());
  ProcessPendingMessages(app);
  EXPECT_EQ(2u, log.Seen.size());
  EXPECT_FALSE(ProcessOneMessage(app));
  PostQuitMessage(0);
  EXPECT_TRUE(ProcessOneMessage(app));
  EXPECT_TRUE(AppTerminated);
}

}  // namespace
