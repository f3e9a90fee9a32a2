#include "store/launch.h"

#include <windows.h>
#include <shellapi.h>

#include "store/text_codec.h"
#include "store/wait.h"

namespace {
LaunchObserver& Observer() {
  static LaunchObserver observer;
  return observer;
}

// Lets messages run until the process ends or the time is up.
void WaitForEnd(HANDLE process, unsigned waitMs) {
  ULONGLONG until = GetTickCount64() + waitMs;
  for (ULONGLONG now; (now = GetTickCount64()) < until;) {
    DWORD left = static_cast<DWORD>(until - now);
    if (MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT) != WAIT_OBJECT_0 + 1) return;
    DoEvents();
  }
}

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

bool ShellStart(const LaunchRequest& request) {
  std::wstring verb = Widen(request.verb), file = Widen(request.file), args = Widen(request.arguments),
               folder = Widen(request.folder);
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, OrNull(verb), file.c_str(), OrNull(args), OrNull(folder), request.show));
  return result > 32;
}

bool CreateStart(const LaunchRequest& request) {
  std::wstring commandLine = Widen(request.file), folder = Widen(request.folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(request.show);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, OrNull(folder),
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  if (request.waitMs) WaitForEnd(process.hProcess, request.waitMs);
  CloseHandle(process.hProcess);
  return true;
}
}  // namespace

bool Launch(const LaunchRequest& request) {
  if (Observer()) return Observer()(request);
  return request.road == LaunchRequest::Road::Shell ? ShellStart(request) : CreateStart(request);
}

bool ShellOpen(const std::string& file, const std::string& arguments, const std::string& folder) {
  LaunchRequest request;
  request.file = file;
  request.arguments = arguments;
  request.folder = folder;
  return Launch(request);
}

void SetLaunchObserver(LaunchObserver observer) { Observer() = std::move(observer); }
