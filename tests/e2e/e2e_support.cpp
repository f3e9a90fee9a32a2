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

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

HWND WaitForWindow(const std::string& className, DWORD processId, DWORD timeoutMs) {
  std::wstring name = Widen(className);
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindOwnedWindow(nullptr, name, processId);
    if (!found) found = FindOwnedWindow(HWND_MESSAGE, name, processId);
    return found != nullptr;
  }, timeoutMs);
  return found;
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
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

DWORD ProgramUnderTest::End() {
  if (HWND tray = WaitForWindow("FrmTray", processId(), 2000)) PostMessageW(tray, WM_CLOSE, 0, 0);
  return WaitForExit();
}
