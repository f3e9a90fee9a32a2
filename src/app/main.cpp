#include <windows.h>

#include "app/command_line.h"
#include "app/ready_signal.h"
#include "app/startup.h"
#include "store/message_loop.h"
#include "store/text_codec.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!RunStartup(CommandLineArguments(Narrow(GetCommandLineW())))) return 0;
  SignalStartupComplete();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    DispatchQueuedMessage(msg);
  }
  return static_cast<int>(msg.wParam);
}
