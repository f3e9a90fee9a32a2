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

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

bool ShellStart(const LaunchRequest& request) {
  std::wstring verb = Widen(request.verb), file = Widen(request.file), args = Widen(request.arguments),
               folder = Widen(request.folder);
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, OrNull(verb), file.c_str(), OrNull(args), OrNull(folder), request.show));
  return result > 32;
}

// The started process's handle (the caller closes it), or null.
HANDLE CreateStarted(const LaunchRequest& request) {
  std::wstring commandLine = Widen(request.file), folder = Widen(request.folder);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(request.show);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, OrNull(folder),
                      &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

bool CreateStart(const LaunchRequest& request) {
  HANDLE process = CreateStarted(request);
  if (process) CloseHandle(process);
  return process != nullptr;
}
}  // namespace

bool Launch(const LaunchRequest& request) {
  if (Observer()) return Observer()(request);
  return request.road == LaunchRequest::Road::Shell ? ShellStart(request) : CreateStart(request);
}

std::optional<unsigned long> RunToCompletion(const LaunchRequest& request) {
  if (Observer()) return Observer()(request) ? std::optional<unsigned long>(0) : std::nullopt;
  HANDLE process = CreateStarted(request);
  if (!process) return std::nullopt;
  WaitForObjectPumping(process);
  DWORD code = 0;
  bool known = GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return known ? std::optional<unsigned long>(code) : std::nullopt;
}

bool ShellOpen(const std::string& file, const std::string& arguments, const std::string& folder) {
  LaunchRequest request;
  request.file = file;
  request.arguments = arguments;
  request.folder = folder;
  return Launch(request);
}

void SetLaunchObserver(LaunchObserver observer) { Observer() = std::move(observer); }
