#include "e2e/e2e_support.h"

#include "app/ready_signal.h"
#include "store/text_codec.h"

namespace {
bool Launch(const std::string& commandLine, const std::string& folder, PROCESS_INFORMATION& process) {
  std::wstring command = Widen(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : Widen(folder).c_str(), &startup, &process);
}
}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (DWORD start = GetTickCount(); !condition(); Sleep(50))
    if (GetTickCount() - start >= timeoutMs) return false;
  return true;
}

HWND WaitForWindow(const std::string& className, DWORD processId, DWORD timeoutMs) {
  std::wstring name = Widen(className);
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND parent : {HWND(nullptr), HWND_MESSAGE})
      for (found = FindWindowExW(parent, nullptr, name.c_str(), nullptr); found;
           found = FindWindowExW(parent, found, name.c_str(), nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId) return true;
      }
    return false;
  }, timeoutMs);
  return found;
}

DWORD Run(const std::string& commandLine, DWORD timeoutMs) {
  PROCESS_INFORMATION process{};
  if (!Launch(commandLine, {}, process)) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

ProgramUnderTest::ProgramUnderTest() {
  CopyFileW(Widen(TSLC_EXE).c_str(), Widen(folder_ / "tslc.exe").c_str(), FALSE);
}

ProgramUnderTest::~ProgramUnderTest() {
  if (!process_.hProcess) return;
  if (WaitForExit(0) == STILL_ACTIVE) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

bool ProgramUnderTest::Start(const std::string& arguments) {
  return Launch("\"" + (folder_ / "tslc.exe") + "\"" + (arguments.empty() ? "" : " " + arguments), folder_.path(),
                process_);
}

bool ProgramUnderTest::WaitUntilReady(DWORD timeoutMs) {
  bool ready = false;
  WaitUntil([&] {
    if (HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, ReadyEventName(processId()).c_str())) {
      CloseHandle(event);
      ready = true;
    }
    return ready || WaitForExit(0) != STILL_ACTIVE;
  }, timeoutMs);
  return ready;
}

DWORD ProgramUnderTest::WaitForExit(DWORD timeoutMs) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

DWORD ProgramUnderTest::End() {
  if (HWND tray = WaitForWindow("FrmTray", processId(), 2000)) PostMessageW(tray, WM_CLOSE, 0, 0);
  return WaitForExit();
}
