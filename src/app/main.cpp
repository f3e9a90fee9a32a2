#include <windows.h>

#include "app/command_line.h"
#include "app/ready_signal.h"
#include "app/startup.h"
#include "store/message_loop.h"
#include "store/text_codec.h"
#include "ui/error_trap.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The steps of the start-up trap their own failures; this catches what falls between them, so
  // that nothing ever leaves the entry routine.
  bool started = false;
  RunTrapped("start-up", [&] {
    started = RunStartup(CommandLineArguments(Narrow(GetCommandLineW())));
    if (started) SignalStartupComplete();
  });
  if (!started) return 0;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    DispatchQueuedMessage(msg);
  }
  return static_cast<int>(msg.wParam);
}
