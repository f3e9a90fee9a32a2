#include "store/processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "store/text_codec.h"
#include "store/wait.h"

namespace {
std::wstring Lower(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

unsigned long FindProcess(const std::string& name) {
  std::wstring prefix = Lower(Widen(name));
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  unsigned long found = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
    if (Lower(entry.szExeFile).starts_with(prefix)) found = entry.th32ProcessID;
  CloseHandle(snapshot);
  return found;
}
}  // namespace

bool IsProcessRunning(const std::string& name) { return FindProcess(name) != 0; }

unsigned long GetProcessIdByName(const std::string& name) { return FindProcess(name); }

void KillProcess(unsigned long id) {
  if (id == 0) return;
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
    TerminateProcess(process, 0);
    CloseHandle(process);
  }
  DoEvents();
  WaitMilliseconds(200);
}

void TrimWorkingSet() { SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)); }
