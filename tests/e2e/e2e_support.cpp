#include "e2e/e2e_support.h"

#include "app/ready_signal.h"
#include "store/text_codec.h"

namespace {
HWND FindOwnedWindow(HWND parent, const std::wstring& className, DWORD processId) {
  for (HWND hwnd = FindWindowExW(parent, nullptr, className.c_str(), nullptr); hwnd;
       hwnd = FindWindowExW(parent, hwnd, className.c_str(), nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == processId) return hwnd;
  }
  return nullptr;
}
}  // namespace

HWND WaitForWindow(const std::string& className, DWORD processId, DWORD timeoutMs) {
  std::wstring name = Widen(className);
  DWORD start = GetTickCount();
  do {
    if (HWND hwnd = FindOwnedWindow(nullptr, name, processId)) return hwnd;
    if (HWND hwnd = FindOwnedWindow(HWND_MESSAGE, name, processId)) return hwnd;
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
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
  std::wstring commandLine = L"\"" + Widen(folder_ / "tslc.exe") + L"\"";
  if (!arguments.empty()) commandLine += L" " + Widen(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Widen(folder_.path()).c_str(), &startup, &process_);
}

bool ProgramUnderTest::WaitUntilReady(DWORD timeoutMs) {
  DWORD start = GetTickCount();
  do {
    if (HANDLE ready = OpenEventW(SYNCHRONIZE, FALSE, ReadyEventName(processId()).c_str())) {
      CloseHandle(ready);
      return true;
    }
    if (WaitForExit(50) != STILL_ACTIVE) return false;
  } while (GetTickCount() - start < timeoutMs);
  return false;
}

DWORD ProgramUnderTest::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

DWORD ProgramUnderTest::End() {
  if (HWND tray = WaitForWindow("FrmTray", processId(), 2000)) PostMessageW(tray, WM_CLOSE, 0, 0);
  return WaitForExit();
}
