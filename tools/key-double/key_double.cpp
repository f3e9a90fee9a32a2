// Stands in for a key changer of the settings-file import, <program folder>\key\<code>.exe
// "<install folder>" "<key>" <PC number>: appends "<code>|<folder>|<key>|<PC number>" to
// key-double.log beside itself (UTF-8) and exits with the code that key-double.ini beside it gives its
// code under [exit] (0 when it names none).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::string Utf8(const std::wstring& wide) {
  int count = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), count, nullptr, nullptr);
  return out;
}

std::wstring Beside(const std::wstring& self, const wchar_t* name) {
  return self.substr(0, self.find_last_of(L"\\/") + 1) + name;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path);
  std::wstring code = self.substr(self.find_last_of(L"\\/") + 1);
  code = code.substr(0, code.find(L'.'));
  std::wstring line = code;
  for (int i = 1; i < argc; ++i) line += L"|" + std::wstring(argv[i]);
  if (FILE* log = _wfopen(Beside(self, L"key-double.log").c_str(), L"ab")) {
    std::string bytes = Utf8(line + L"\n");
    fwrite(bytes.data(), 1, bytes.size(), log);
    fclose(log);
  }
  return static_cast<int>(GetPrivateProfileIntW(L"exit", code.c_str(), 0, Beside(self, L"key-double.ini").c_str()));
}
