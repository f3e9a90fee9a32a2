#include "store/processes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/system_info.h"
#include "store/text_codec.h"

TEST(Processes, FoundByCaseInsensitiveNamePrefixAndKilledWithExitCodeZero) {
  EXPECT_TRUE(IsProcessRunning("STORE_TE"));
  EXPECT_EQ(GetProcessIdByName("Store_Test.exe"), GetCurrentProcessId());
  EXPECT_FALSE(IsProcessRunning("no-such-program-here"));
  EXPECT_EQ(GetProcessIdByName("no-such-program-here"), 0u);

  std::wstring commandLine = Widen(GetSpecialFolder(37) + "\\notepad.exe");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process));
  WaitForInputIdle(process.hProcess, 5000);
  KillProcess(process.dwProcessId);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  KillProcess(0);  // nothing to end, nothing happens
}
