// The agent simulator against a hooked menu window of this process: commands go out from the
// simulator, replies come back to its window and into its log.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/menu_hook.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"

namespace {
// Runs the simulator and keeps this thread's windows answering until it ends.
DWORD RunSimulator(const std::string& arguments) {
  std::wstring commandLine = L"\"" + Widen(AGENT_SIM_EXE) + L"\" " + Widen(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 99;
  DWORD start = GetTickCount();
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1 &&
         GetTickCount() - start < 20000) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  DWORD code = 98;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

using AgentSimulator = TesselTest;
}  // namespace

TEST_F(AgentSimulator, SendsCommandsToTheHookedWindowAndLogsTheReplies) {
  TestMenuWindow menu("frmAgentSimTarget");
  ASSERT_TRUE(menu.Load());
  HookMenuWindow(menu);
  std::string log = Path("agent.log");
  EXPECT_EQ(RunSimulator("--log \"" + log + "\" --send frmAgentSimTarget 3 \" a1 \" --send frmAgentSimTarget 3 XY"
                         " --send frmAgentSimTarget 3 B2 --send frmAgentSimTarget 3 DS"),
            0u);
  UnhookMenuWindow();
  EXPECT_EQ(ReadTextFile(log), "3 A1\n3 XY\n3 B2\n");
}

TEST_F(AgentSimulator, ReportsAMissingTarget) {
  EXPECT_EQ(RunSimulator("--log \"" + Path("agent.log") + "\" --send frmNobodyHere 3 XY"), 1u);
}
