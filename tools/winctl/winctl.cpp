// Waits for, presses or closes a window by class name, for scripts that drive the program from outside.
//   winctl wait CLASS [TIMEOUT_MS]   exit 0 once a window of that class exists (message-only too)
//   winctl close CLASS [TIMEOUT_MS]  post WM_CLOSE to it and exit 0 once its process has ended
//   winctl click CLASS               a left click in the middle of the window
//   winctl press CLASS ID            a click of its child button with that control id
// With WINCTL_DESKTOP set, the window is looked for on that desktop (a Wine virtual desktop).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
// The desktop may not exist yet when winctl starts beside the program, so every look tries again.
void UseDesktopFromEnvironment() {
  static bool attached = false;
  wchar_t name[256];
  if (attached || !GetEnvironmentVariableW(L"WINCTL_DESKTOP", name, 256)) return;
  if (HDESK desktop = OpenDesktopW(name, 0, FALSE, GENERIC_ALL)) attached = SetThreadDesktop(desktop);
}

HWND FindByClass(const wchar_t* className) {
  UseDesktopFromEnvironment();
  if (HWND hwnd = FindWindowW(className, nullptr)) return hwnd;
  return FindWindowExW(HWND_MESSAGE, nullptr, className, nullptr);
}

HWND WaitFor(const wchar_t* className, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = FindByClass(className)) return hwnd;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(100);
  }
}

int Close(const wchar_t* className, DWORD timeoutMs) {
  HWND hwnd = FindByClass(className);
  if (!hwnd) {
    fwprintf(stderr, L"winctl: no window of class %ls\n", className);
    return 1;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(hwnd, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  bool ended = process && WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
  if (process) CloseHandle(process);
  if (!ended) fwprintf(stderr, L"winctl: the process of %ls did not end\n", className);
  return ended ? 0 : 1;
}

int Click(const wchar_t* className) {
  HWND hwnd = WaitFor(className, 5000);
  if (!hwnd) return 1;
  RECT area{};
  GetClientRect(hwnd, &area);
  LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
  PostMessageW(hwnd, WM_MOUSEMOVE, 0, middle);
  PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageW(hwnd, WM_LBUTTONUP, 0, middle);
  return 0;
}

int Press(const wchar_t* className, int id) {
  HWND hwnd = WaitFor(className, 5000);
  if (!hwnd) return 1;
  PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
  return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fwprintf(stderr, L"usage: winctl wait|close CLASS [TIMEOUT_MS] | click CLASS | press CLASS ID\n");
    return 2;
  }
  DWORD timeoutMs = argc > 3 ? wcstoul(argv[3], nullptr, 10) : 20000;
  std::wstring command = argv[1];
  if (command == L"wait") {
    if (WaitFor(argv[2], timeoutMs)) return 0;
    fwprintf(stderr, L"winctl: no window of class %ls appeared\n", argv[2]);
    return 1;
  }
  if (command == L"close") return Close(argv[2], timeoutMs);
  if (command == L"click") return Click(argv[2]);
  if (command == L"press" && argc > 3) return Press(argv[2], _wtoi(argv[3]));
  fwprintf(stderr, L"winctl: unknown command %ls\n", argv[1]);
  return 2;
}
