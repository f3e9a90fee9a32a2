// Stands in for the sibling agent: a top-level window captioned "Vendara Agent" that logs every
// copy-data record it receives, one line each ("<class> <text>"), and can send commands to the
// program's menu window, found by its window class name.
//
//   agent-sim [--log FILE] [--send WINDOWCLASS CLASS TEXT]... [--stay] [--show]
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

LRESULT CALLBACK AgentProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COPYDATA) {
    LogRecord(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    return 1;
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
    } else {
      fwprintf(stderr, L"usage: agent-sim [--log FILE] [--send WINDOWCLASS CLASS TEXT]... [--stay] [--show]\n");
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
