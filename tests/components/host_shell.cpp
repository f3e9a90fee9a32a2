#include "host_shell.h"

#include <filesystem>
#include <fstream>

#include "e2e/e2e_support.h"
#include "store/files.h"
#include "store/text_codec.h"

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

int RunOnHost(const std::string& command, const std::string& folder, DWORD timeoutMs) {
  if (command.find('"') != std::string::npos) return -1;
  // Wine starts a Unix program without a handle to wait on: the shell leaves its status in a file.
  const std::string status = JoinPath(folder, ".host-status");
  DeleteFileW(Widen(status).c_str());
  std::wstring line = Widen("Z:\\bin\\sh -c \"" + command +
                            "; echo $? > .host-status.part; mv .host-status.part .host-status\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      Widen(folder).c_str(), &startup, &process))
    return -1;
  if (process.hProcess) CloseHandle(process.hProcess);
  if (process.hThread) CloseHandle(process.hThread);
  if (!WaitUntil([&] { return FileExists(status); }, timeoutMs)) return -1;
  std::ifstream in(std::filesystem::path(Widen(status)));
  int code = -1;
  in >> code;
  DeleteFileW(Widen(status).c_str());
  return code;
}
