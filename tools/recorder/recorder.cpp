// Stands in for a game: appends how it was started to a log, so tests can see what the program
// launched. One line per start: the working folder, a tab, the whole command line (UTF-8).
// The log is %TESSEL_RECORDER_LOG% when set, else recorder.log beside this program.
#include <windows.h>

#include <string>

#include "store/text_codec.h"

namespace {
std::string LogPath() {
  wchar_t value[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(L"TESSEL_RECORDER_LOG", value, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return Narrow(value);
  wchar_t self[MAX_PATH];
  std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return Narrow(path.substr(0, path.find_last_of(L'\\') + 1)) + "recorder.log";
}

std::string WorkingFolder() {
  wchar_t folder[MAX_PATH];
  return Narrow(std::wstring_view(folder, GetCurrentDirectoryW(MAX_PATH, folder)));
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Lines are written as UTF-8 bytes whatever the code page, so tests compare them exactly.
  std::string line = WorkingFolder() + "\t" + Narrow(GetCommandLineW()) + "\r\n";
  HANDLE log = CreateFileW(Widen(LogPath()).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return 0;
}
