#include "app/single_instance.h"

#include <windows.h>

#include "store/text_codec.h"

bool ClaimSingleInstance() {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  // Kept open for the life of the process; the system closes it at exit.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\Tessel.Instance." + name).c_str());
  return mutex && GetLastError() != ERROR_ALREADY_EXISTS;
}
