// Stands in for the patch engine VdGp.exe, for tests and the demo. It does what the client relies
// on and nothing more (docs/patch-engine.md):
//
//   VdGp [--job FILE] [--log FILE] [--pace MS] [--scenario FILE] [--outcome IN_NAME=LETTER]...
//        [--crash-after N]
//       Patches the games of the job file (default <system folder>\ziriv.gpi) one after another
//       while a top-level window captioned "VdGp" is shown: for each game it writes STime into its
//       section of the run log (default <own folder>\Skin\Log\<GPLAST>.log), waits the pace
//       (default 300 ms), then writes ETime and STATE (default S). Closing the window (the
//       agent's answer to GPC) stops the run: the current game and those not begun get C.
//   VdGp -isinstall2 [--scenario FILE]
//       Answers the install scan request Ziriv.gpi in its own folder with gpstate.ini: one line
//       "<in_name>,<path>" per installed game, then sets dwState to 1.
//
// The scenario is an INI file with one section per game (in_name): STATE= the outcome letter,
// delay= its own pace in ms, half=1 writes STATE=F before ETime (a section caught half written),
// crash=1 ends the process without a word once the game has started, installed= the path the
// install scan reports.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {
struct Game {
  std::wstring in_name, name, path1;
};

struct Plan {
  std::wstring state = L"S";
  DWORD delay = 0;
  bool half = false, crash = false;
};

struct Options {
  std::wstring job, log, scenario;
  DWORD pace = 300;
  std::map<std::wstring, std::wstring> outcomes;
  int crashAfter = -1;
  bool installScan = false;
};

HWND g_window = nullptr;
HWND g_label = nullptr;
bool g_stop = false;

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring Lower(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::wstring ProfileValue(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  wchar_t value[1024] = {};
  GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value, 1024, file.c_str());
  return value;
}

std::vector<std::wstring> Sections(const std::wstring& file) {
  std::vector<wchar_t> names(1 << 20);
  DWORD length = GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()), file.c_str());
  std::vector<std::wstring> sections;
  for (const wchar_t* name = names.data(); name < names.data() + length && *name; name += wcslen(name) + 1)
    sections.emplace_back(name);
  return sections;
}

std::vector<Game> ReadGames(const std::wstring& file) {
  std::vector<Game> games;
  for (const std::wstring& section : Sections(file))
    games.push_back({ProfileValue(file, section, L"in_name"), ProfileValue(file, section, L"name"),
                     ProfileValue(file, section, L"path1")});
  return games;
}

Plan PlanFor(const Options& options, const std::wstring& in_name) {
  Plan plan;
  plan.delay = options.pace;
  if (!options.scenario.empty()) {
    std::wstring state = ProfileValue(options.scenario, in_name, L"STATE");
    if (!state.empty()) plan.state = state;
    std::wstring delay = ProfileValue(options.scenario, in_name, L"delay");
    if (!delay.empty()) plan.delay = wcstoul(delay.c_str(), nullptr, 10);
    plan.half = ProfileValue(options.scenario, in_name, L"half") == L"1";
    plan.crash = ProfileValue(options.scenario, in_name, L"crash") == L"1";
  }
  if (auto found = options.outcomes.find(Lower(in_name)); found != options.outcomes.end()) plan.state = found->second;
  return plan;
}

std::wstring Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  wchar_t text[32];
  swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
  return text;
}

void Write(const std::wstring& log, const std::wstring& section, const wchar_t* key, const std::wstring& value) {
  WritePrivateProfileStringW(section.c_str(), key, value.c_str(), log.c_str());
}

// Lets the window work while the engine waits; false once a stop was asked for.
bool Pause(DWORD ms) {
  DWORD until = GetTickCount() + ms;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (g_stop) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  } while (static_cast<LONG>(until - GetTickCount()) > 0);
  return !g_stop;
}

LRESULT CALLBACK EngineProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {
    g_stop = true;
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void CreateEngineWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = EngineProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VdGpStandIn";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&windowClass);
  g_window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"VdGp", WS_CAPTION | WS_VISIBLE, 20, 20,
                             320, 80, nullptr, nullptr, windowClass.hInstance, nullptr);
  g_label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 24, g_window, nullptr,
                            windowClass.hInstance, nullptr);
}

std::wstring DefaultLog() {
  HKEY key;
  wchar_t name[64] = {};
  DWORD size = sizeof(name) - sizeof(wchar_t);
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Orbix\\Tessel", 0, KEY_READ | KEY_WOW64_32KEY, &key) == 0) {
    RegQueryValueExW(key, L"GPLAST", nullptr, nullptr, reinterpret_cast<BYTE*>(name), &size);
    RegCloseKey(key);
  }
  return OwnFolder() + L"\\Skin\\Log\\" + name + L".log";
}

std::wstring DefaultJob() {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\ziriv.gpi";
}

int Patch(const Options& options) {
  std::wstring job = options.job.empty() ? DefaultJob() : options.job;
  std::wstring log = options.log.empty() ? DefaultLog() : options.log;
  std::vector<Game> games = ReadGames(job);
  CreateEngineWindow();
  size_t i = 0;
  for (; i < games.size() && !g_stop; ++i) {
    const Game& game = games[i];
    Plan plan = PlanFor(options, game.in_name);
    SetWindowTextW(g_label, (game.name + L" (" + std::to_wstring(i + 1) + L"/" + std::to_wstring(games.size()) +
                             L")").c_str());
    Write(log, game.in_name, L"STime", Now());
    if (plan.crash || static_cast<int>(i) == options.crashAfter) ExitProcess(3);
    if (!Pause(plan.delay)) break;
    if (plan.half) {
      Write(log, game.in_name, L"STATE", plan.state);
      Pause(60);
    }
    Write(log, game.in_name, L"ETime", Now());
    Write(log, game.in_name, L"STATE", plan.state);
  }
  for (; i < games.size(); ++i) {  // stopped: the current game and the rest
    Write(log, games[i].in_name, L"ETime", Now());
    Write(log, games[i].in_name, L"STATE", L"C");
  }
  DestroyWindow(g_window);
  return 0;
}

int InstallScan(const Options& options) {
  std::wstring folder = OwnFolder();
  std::wstring request = folder + L"\\Ziriv.gpi";
  std::wstring answer;
  for (const Game& game : ReadGames(request)) {
    std::wstring path = options.scenario.empty() ? L"" : ProfileValue(options.scenario, game.in_name, L"installed");
    DWORD attributes = GetFileAttributesW(game.path1.c_str());
    if (path.empty() && !game.path1.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
      path = game.path1;
    if (!path.empty()) answer += game.in_name + L"," + path + L"\r\n";
  }
  int length = WideCharToMultiByte(CP_ACP, 0, answer.c_str(), static_cast<int>(answer.size()), nullptr, 0, nullptr,
                                   nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, answer.c_str(), static_cast<int>(answer.size()), bytes.data(), length, nullptr,
                      nullptr);
  if (FILE* file = _wfopen((folder + L"\\gpstate.ini").c_str(), L"wb")) {
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
  }
  HKEY key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TRELANE\\VdGp\\CONFIG", 0, nullptr, 0,
                      KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr) == 0) {
    DWORD done = 1;
    RegSetValueExW(key, L"dwState", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&done), sizeof(done));
    RegCloseKey(key);
  }
  return 0;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = argv[i];
    bool more = i + 1 < argc;
    if (arg == L"-isinstall2") {
      options.installScan = true;
    } else if (arg == L"--job" && more) {
      options.job = argv[++i];
    } else if (arg == L"--log" && more) {
      options.log = argv[++i];
    } else if (arg == L"--scenario" && more) {
      options.scenario = argv[++i];
    } else if (arg == L"--pace" && more) {
      options.pace = wcstoul(argv[++i], nullptr, 10);
    } else if (arg == L"--crash-after" && more) {
      options.crashAfter = static_cast<int>(wcstol(argv[++i], nullptr, 10));
    } else if (arg == L"--outcome" && more) {
      std::wstring pair = argv[++i];
      size_t equals = pair.find(L'=');
      if (equals != std::wstring::npos) options.outcomes[Lower(pair.substr(0, equals))] = pair.substr(equals + 1);
    } else {
      return 2;  // usage: see the top of this file
    }
  }
  return options.installScan ? InstallScan(options) : Patch(options);
}
