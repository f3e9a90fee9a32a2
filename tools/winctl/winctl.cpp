// Drives the program's windows by class name, for scripts that work it from outside.
//   winctl wait CLASS [TIMEOUT_MS]     exit 0 once a window of that class is shown (or message-only)
//   winctl close CLASS [TIMEOUT_MS]    post WM_CLOSE to it and exit 0 once its process has ended
//   winctl click CLASS                 a left click in the middle of the window
//   winctl press CLASS ID              a click of its control ID (a button or a picture button, in a page too)
//   winctl settext CLASS ID TEXT       set the text of its control ID
//   winctl enter CLASS ID              press Enter in its control ID, as a user does
//   winctl traymenu ITEM               right-click the tray icon and choose the menu's ITEM-th item (1 first)
// With WINCTL_DESKTOP set, windows are looked for on that desktop (a Wine virtual desktop).
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

// A shown window of the class (a window is shown once it is loaded), or a message-only one.
HWND FindByClass(const wchar_t* className) {
  UseDesktopFromEnvironment();
  if (HWND hwnd = FindWindowW(className, nullptr); hwnd && IsWindowVisible(hwnd)) return hwnd;
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

// The window's own control with this id, else one anywhere below it (the settings window keeps its
// panels' controls on pages of their own).
HWND FindControl(HWND window, int id) {
  if (HWND own = GetDlgItem(window, id)) return own;
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        auto* search = reinterpret_cast<Search*>(param);
        if (GetDlgCtrlID(child) != search->id) return TRUE;
        search->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Control(const wchar_t* className, const wchar_t* id) {
  HWND window = WaitFor(className, 10000);
  HWND control = window ? FindControl(window, static_cast<int>(wcstol(id, nullptr, 10))) : nullptr;
  if (!control) fwprintf(stderr, L"winctl: no control %ls in a window of class %ls\n", id, className);
  return control;
}

int SetText(const wchar_t* className, const wchar_t* id, const wchar_t* text) {
  HWND control = Control(className, id);
  if (!control) return 1;
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return 0;
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

// Posted, so that a modal window the press opens does not hold winctl.
int Press(const wchar_t* className, const wchar_t* id) {
  HWND control = Control(className, id);
  if (!control) return 1;
  PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
  return 0;
}

int Enter(const wchar_t* className, const wchar_t* id) {
  HWND control = Control(className, id);
  if (!control) return 1;
  PostMessageW(control, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageW(control, WM_KEYUP, VK_RETURN, 0);
  return 0;
}

// The tray's own callback message for a right-click, then the keys that choose the item.
int TrayMenu(int item) {
  constexpr UINT kTrayCallback = WM_USER + 100;
  HWND tray = WaitFor(L"FrmTray", 10000);
  if (!tray) return 1;
  PostMessageW(tray, kTrayCallback, 0, WM_RBUTTONUP);
  HWND menu = WaitFor(L"#32768", 10000);
  if (!menu) {
    fwprintf(stderr, L"winctl: the tray menu did not open\n");
    return 1;
  }
  for (int i = 0; i < item; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fwprintf(stderr, L"usage: winctl wait|close|click|press|settext|enter|traymenu ...\n");
    return 2;
  }
  std::wstring command = argv[1];
  if (command == L"traymenu") return TrayMenu(static_cast<int>(wcstol(argv[2], nullptr, 10)));
  if (command == L"settext" && argc > 4) return SetText(argv[2], argv[3], argv[4]);
  if (command == L"click") return Click(argv[2]);
  if (command == L"press" && argc > 3) return Press(argv[2], argv[3]);
  if (command == L"enter" && argc > 3) return Enter(argv[2], argv[3]);
  DWORD timeoutMs = argc > 3 ? wcstoul(argv[3], nullptr, 10) : 20000;
  if (command == L"wait") {
    if (WaitFor(argv[2], timeoutMs)) return 0;
    fwprintf(stderr, L"winctl: no window of class %ls appeared\n", argv[2]);
    return 1;
  }
  if (command == L"close") return Close(argv[2], timeoutMs);
  fwprintf(stderr, L"winctl: unknown command %ls\n", argv[1]);
  return 2;
}
