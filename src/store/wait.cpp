#include "store/wait.h"

#include <windows.h>

#include <string>

#include "store/message_loop.h"

namespace {
HANDLE g_timerInProgress = nullptr;  // the timer of the wait in progress, if any

// Returns true when a WM_QUIT was taken off the queue.
bool PumpPending(int& quitCode) {
  bool quit = false;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
      continue;
    }
    DispatchQueuedMessage(msg);
  }
  return quit;
}

// Waits until the handle is signalled, dispatching input in between; returns whether WM_QUIT was seen.
bool WaitPumping(HANDLE handle, int& quitCode) {
  bool quit = false;
  while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
    quit |= PumpPending(quitCode);
  return quit;
}

std::wstring TimerName() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  unsigned seconds = now.wHour * 3600u + now.wMinute * 60u + now.wSecond;
  return std::to_wstring(seconds) + L"WaitableTimer";
}
}  // namespace

void DoEvents() {
  int quitCode = 0;
  if (PumpPending(quitCode)) PostQuitMessage(quitCode);
}

void WaitForObjectPumping(void* handle) {
  int quitCode = 0;
  if (WaitPumping(static_cast<HANDLE>(handle), quitCode)) PostQuitMessage(quitCode);
}

void WaitMilliseconds(unsigned ms) {
  int quitCode = 0;
  bool quit = false;
  // Manual-reset timers, so a nested wait and the wait it interrupted both see the same firing.
  if (g_timerInProgress) quit |= WaitPumping(g_timerInProgress, quitCode);

  HANDLE timer = CreateWaitableTimerW(nullptr, TRUE, TimerName().c_str());
  if (timer) {
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(ms) * 10000;
    if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
      HANDLE interrupted = g_timerInProgress;
      g_timerInProgress = timer;
      quit |= WaitPumping(timer, quitCode);
      g_timerInProgress = interrupted;
    }
    CloseHandle(timer);
  }
  if (quit) PostQuitMessage(quitCode);
}
