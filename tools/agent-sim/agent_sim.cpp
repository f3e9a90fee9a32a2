// Stands in for the sibling agent: a top-level window captioned "Vendara Agent" that logs every
// copy-data record it receives, one line each ("<class> <text>"), and can send commands to the
// program's menu window, found by its window class name.
//
//   agent-sim [--log FILE] [--send WINDOWCLASS CLASS TEXT]... [--stay] [--show]
//             [--engine VDGP.EXE [--engine-args ARGS]] [--menu WINDOWCLASS] [--gpd N [--descriptor FILE]]
//
// Patching, as the real agent answers it: "GPS" starts the patch engine (--engine, with
// --engine-args) and, once its window is up, sends "GPS" back to the menu window (--menu, default
// frmMain); "GPC" closes the engine's window, which stops it; "GPD" copies the descriptor archive
// (--descriptor) to Skin\htm\Ziriv.dll beside the engine and sets the registry value GPD to N.
//
// Records sent with --send go out in order once the agent window exists; replies that arrive
// during a send are logged before the next one. Without --send, or with --stay, it then keeps
// listening until its window is closed. Without --log, lines go to stdout. --show makes the
// window visible, with the received records listed in it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr UINT kRunCommand = WM_APP + 1;  // answers go out after the copy-data send has returned

struct Patching {
  std::wstring engine, engineArgs, menu = L"frmMain", descriptor;
  DWORD gpd = 0;
  bool answersGpd = false;
};
Patching g_patching;
std::vector<std::wstring> g_pending;

FILE* g_log = stdout;
HWND g_list = nullptr;  // the visible list of records, with --show

std::string Utf8(const std::wstring& wide) {
  int count = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), count, nullptr, nullptr);
  return out;
}

std::string AnsiToUtf8(const char* bytes, size_t length) {
  int count = MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(length), nullptr, 0);
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(length), wide.data(), count);
  return Utf8(wide);
}

void LogRecord(const COPYDATASTRUCT* record) {
  std::string text;
  if (record->lpData && record->cbData)
    text = AnsiToUtf8(static_cast<const char*>(record->lpData),
                      strnlen(static_cast<const char*>(record->lpData), record->cbData));
  std::string line = std::to_string(record->dwData) + " " + text;
  fprintf(g_log, "%s\n", line.c_str());
  fflush(g_log);
  if (g_list) {
    int count = MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, wide.data(), count);
    SendMessageW(g_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

std::wstring CommandOf(const COPYDATASTRUCT* record) {
  if (record->dwData != 3 || !record->lpData || !record->cbData) return {};
  const char* bytes = static_cast<const char*>(record->lpData);
  std::string text(bytes, strnlen(bytes, record->cbData));
  return std::wstring(text.begin(), text.end());  // the codes are ASCII
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

void SendText(HWND agent, const std::wstring& windowClass, const char* text) {
  HWND target = FindWindowW(windowClass.c_str(), nullptr);
  if (!target) return;
  char buffer[255] = {};
  strncpy(buffer, text, 254);
  COPYDATASTRUCT record{3, static_cast<DWORD>(strlen(buffer) + 1), buffer};
  SendMessageW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(agent), reinterpret_cast<LPARAM>(&record));
}

void StartEngine(HWND agent) {
  if (g_patching.engine.empty()) return;
  std::wstring commandLine = L"\"" + g_patching.engine + L"\" " + g_patching.engineArgs;
  std::wstring folder = FolderOf(g_patching.engine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    return;
  CloseHandle(process.hThread);
  // Up to 10 s for the engine's window, so that the client follows a run that has begun.
  for (int i = 0; i < 200 && !FindWindowW(nullptr, L"VdGp"); ++i)
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
  CloseHandle(process.hProcess);
  SendText(agent, g_patching.menu, "GPS");
}

void AnswerGpd() {
  if (!g_patching.descriptor.empty() && !g_patching.engine.empty())
    CopyFileW(g_patching.descriptor.c_str(), (FolderOf(g_patching.engine) + L"\\Skin\\htm\\Ziriv.dll").c_str(), FALSE);
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Orbix\\Tessel", 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                      nullptr, &key, nullptr) != 0)
    return;
  RegSetValueExW(key, L"GPD", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&g_patching.gpd), sizeof(DWORD));
  RegCloseKey(key);
}

void RunCommand(HWND agent, const std::wstring& command) {
  if (command == L"GPS") StartEngine(agent);
  if (command == L"GPC") {
    if (HWND engine = FindWindowW(nullptr, L"VdGp")) PostMessageW(engine, WM_CLOSE, 0, 0);
  }
  if (command == L"GPD" && g_patching.answersGpd) AnswerGpd();
}

LRESULT CALLBACK AgentProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COPYDATA) {
    auto record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    LogRecord(record);
    std::wstring command = CommandOf(record);
    if (command == L"GPS" || command == L"GPC" || command == L"GPD") {
      g_pending.push_back(command);
      PostMessageW(hwnd, kRunCommand, 0, 0);
    }
    return 1;
  }
  if (msg == kRunCommand) {
    std::vector<std::wstring> pending;
    pending.swap(g_pending);
    for (const std::wstring& command : pending) RunCommand(hwnd, command);
    return 0;
  }
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateAgentWindow(bool show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = AgentProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VendaraAgentSimulator";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&windowClass);
  if (!show)
    return CreateWindowExW(0, windowClass.lpszClassName, L"Vendara Agent", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                           nullptr, windowClass.hInstance, nullptr);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Vendara Agent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                620, 40, 360, 220, nullptr, nullptr, windowClass.hInstance, nullptr);
  RECT client;
  GetClientRect(window, &client);
  g_list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0,
                           client.right, client.bottom, window, nullptr, windowClass.hInstance, nullptr);
  SendMessageW(g_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Listening for Tessel's records"));
  return window;
}

struct Command {
  std::wstring windowClass;
  ULONG_PTR messageClass;
  std::wstring text;
};

bool Send(HWND agent, const Command& command) {
  HWND target = FindWindowW(command.windowClass.c_str(), nullptr);
  if (!target) {
    fwprintf(stderr, L"agent-sim: no window of class %ls\n", command.windowClass.c_str());
    return false;
  }
  char buffer[255] = {};
  int length = WideCharToMultiByte(CP_ACP, 0, command.text.c_str(), static_cast<int>(command.text.size()), buffer,
                                   254, nullptr, nullptr);
  COPYDATASTRUCT record{command.messageClass, static_cast<DWORD>(length + 1), buffer};
  SendMessageW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(agent), reinterpret_cast<LPARAM>(&record));
  return true;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<Command> commands;
  bool stay = false, show = false;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = argv[i];
    if (arg == L"--log" && i + 1 < argc) {
      if (FILE* file = _wfopen(argv[++i], L"ab")) g_log = file;
    } else if (arg == L"--send" && i + 3 < argc) {
      commands.push_back({argv[i + 1], wcstoul(argv[i + 2], nullptr, 10), argv[i + 3]});
      i += 3;
    } else if (arg == L"--stay") {
      stay = true;
    } else if (arg == L"--show") {
      show = true;
    } else if (arg == L"--engine" && i + 1 < argc) {
      g_patching.engine = argv[++i];
    } else if (arg == L"--engine-args" && i + 1 < argc) {
      g_patching.engineArgs = argv[++i];
    } else if (arg == L"--menu" && i + 1 < argc) {
      g_patching.menu = argv[++i];
    } else if (arg == L"--gpd" && i + 1 < argc) {
      g_patching.gpd = wcstoul(argv[++i], nullptr, 10);
      g_patching.answersGpd = true;
    } else if (arg == L"--descriptor" && i + 1 < argc) {
      g_patching.descriptor = argv[++i];
    } else {
      fwprintf(stderr, L"usage: agent-sim [--log FILE] [--send WINDOWCLASS CLASS TEXT]... [--stay] [--show] "
                       L"[--engine VDGP.EXE [--engine-args ARGS]] [--menu WINDOWCLASS] [--gpd N [--descriptor FILE]]\n");
      return 2;
    }
  }
  HWND agent = CreateAgentWindow(show);
  if (!agent) return 1;
  bool allSent = true;
  for (const Command& command : commands) allSent &= Send(agent, command);
  if (!commands.empty() && !stay) {
    DestroyWindow(agent);
    return allSent ? 0 : 1;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
