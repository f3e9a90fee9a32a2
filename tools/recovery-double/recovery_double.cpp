// A stand-in for one of the recovery module's libraries (VdRcvrp.dll, VdRcvrp2.dll, lsrecn.dll,
// VdRcv). Its answers come from recovery-double.ini beside it, in the section named after the
// library (IsInstalled, IsSuperMode, RecMod1, RecMod2; "~" in a RecMod value stands for a NUL);
// every call is appended to recovery-double.log beside it as "<library> <function>".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
HMODULE g_self = nullptr;

std::wstring Beside(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(g_self, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

std::wstring Section() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(g_self, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.find(L'.'));
}

void Note(const char* function) {
  if (FILE* log = _wfopen(Beside(L"recovery-double.log").c_str(), L"ab")) {
    fprintf(log, "%ls %s\n", Section().c_str(), function);
    fclose(log);
  }
}

int Answer(const wchar_t* key) {
  return static_cast<int>(GetPrivateProfileIntW(Section().c_str(), key, 0, Beside(L"recovery-double.ini").c_str()));
}

void FillRecMod(const wchar_t* key, char* buffer) {
  wchar_t value[32] = {};
  GetPrivateProfileStringW(Section().c_str(), key, L"", value, 32, Beside(L"recovery-double.ini").c_str());
  char ansi[64] = {};
  WideCharToMultiByte(CP_ACP, 0, value, -1, ansi, sizeof(ansi), nullptr, nullptr);
  size_t length = strnlen(ansi, 10);
  for (size_t i = 0; i < length; ++i) buffer[i] = ansi[i] == '~' ? '\0' : ansi[i];
}
}  // namespace

extern "C" {
__declspec(dllexport) int WINAPI IsInstalled() {
  Note("IsInstalled");
  return Answer(L"IsInstalled");
}
__declspec(dllexport) int WINAPI IsSuperMode() {
  Note("IsSuperMode");
  return Answer(L"IsSuperMode");
}
__declspec(dllexport) void WINAPI GetRecMod(char* first, char* second) {
  Note("GetRecMod");
  FillRecMod(L"RecMod1", first);
  FillRecMod(L"RecMod2", second);
}
__declspec(dllexport) void WINAPI Initialize() { Note("Initialize"); }
__declspec(dllexport) void WINAPI Finalize() { Note("Finalize"); }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_self = instance;
  return TRUE;
}
