#include "store/wait.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace {
double NowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// A thread timer whose callback runs once from inside the message loop of a wait.
std::function<void()> g_onTimer;
void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto action = std::move(g_onTimer);
  if (action) action();
}

// Timer resolution on the host: waits may end this much before their nominal time.
constexpr double kSlackMs = 20;
}  // namespace

TEST(Wait, ANestedWaitWaitsForTheOuterOneThenItsOwnFullTime) {
  double start = NowMs(), innerStarted = 0, innerEnded = 0;
  g_onTimer = [&] {
    innerStarted = NowMs();
    WaitMilliseconds(200);
    innerEnded = NowMs();
  };
  SetTimer(nullptr, 0, 50, TimerFired);
  WaitMilliseconds(400);
  double outerEnded = NowMs();
  ASSERT_GT(innerStarted, 0) << "messages are dispatched while waiting";
  EXPECT_LT(innerStarted - start, 400);
  EXPECT_GE(innerEnded - start, 400 + 200 - kSlackMs);
  EXPECT_GE(outerEnded, innerEnded);
}

TEST(Wait, AQuitMessageSeenDuringAWaitIsKeptForTheMessageLoop) {
  PostQuitMessage(7);
  WaitMilliseconds(50);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  PostQuitMessage(3);
  DoEvents();
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}
