#include "e2e/e2e_support.h"

#include <algorithm>

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

RunOutput RunReading(const std::string& commandLine, DWORD timeoutMs) {
  RunOutput result;
  SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
  if (!CreatePipe(&outRead, &outWrite, &inheritable, 0)) return result;
  if (!CreatePipe(&errRead, &errWrite, &inheritable, 0)) {
    CloseHandle(outRead);
    CloseHandle(outWrite);
    return result;
  }
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  std::wstring command = Widen(commandLine);
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  // Pipes are read while the program runs, so a full pipe never blocks it.
  auto drain = [](HANDLE pipe, std::string& into) {
    DWORD available = 0;
    char buffer[4096];
    DWORD read = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
           ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof(buffer)), &read, nullptr) && read > 0)
      into.append(buffer, read);
  };
  if (started) {
    for (const DWORD start = GetTickCount();;) {
      const bool ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
      drain(outRead, result.out);
      drain(errRead, result.err);
      if (ended) {
        GetExitCodeProcess(process.hProcess, &result.code);
        break;
      }
      if (GetTickCount() - start >= timeoutMs) {
        TerminateProcess(process.hProcess, 1);
        break;
      }
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(outRead);
  CloseHandle(errRead);
  return result;
}

ProgramUnderTest::ProgramUnderTest() : RunningProgram({}) {
  SetProgram(folder_ / "tslc.exe");
  std::string built(TSLC_EXE);
  std::string bin = built.substr(0, built.rfind('\\'));
  for (const char* file : {"tslc.exe", "VdEnc.dll", "vdCab.dll"})
    CopyFileW(Widen(bin + "\\" + file).c_str(), Widen(folder_ / file).c_str(), FALSE);
}

RunningProgram::~RunningProgram() { Stop(); }

void RunningProgram::Stop() {
  if (!process_.hProcess) return;
  if (WaitForExit(0) == STILL_ACTIVE) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  process_ = {};
}

bool RunningProgram::Start(const std::string& arguments) {
  return Launch("\"" + exe_ + "\"" + (arguments.empty() ? "" : " " + arguments), exe_.substr(0, exe_.rfind('\\')),
                process_);
}

bool RunningProgram::WaitUntilReady(DWORD timeoutMs) {
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

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

DWORD RunningProgram::End() {
  if (HWND tray = WaitForWindow("FrmTray", processId(), 2000)) PostMessageW(tray, WM_CLOSE, 0, 0);
  return WaitForExit();
}
