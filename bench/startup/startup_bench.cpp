// Start-up benchmark of the classic menu.
//   startup_bench prepare FOLDER           lays out the measured program folder (skin drawn before)
//   startup_bench measure FOLDER MINIMAL N starts FOLDER\tslc.exe and the minimal program N times each,
//                                          alternating, and prints the medians of two moments with
//                                          their ratios and the peak working sets: the window shows,
//                                          and it is ready (the menu with all its first category's
//                                          icons, painted and waiting for input)
//   startup_bench switch FOLDER            times a switch to the 300-icon category, cold and warm cache
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_folder.h"
#include "catalog/categories.h"
#include "catalog/game_entries.h"
#include "menu/frm_main.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/text_codec.h"

namespace {
using Clock = std::chrono::steady_clock;

struct Sample {
  double visibleMs = 0;  // the window shows
  double readyMs = 0;    // and holds its icons, painted, waiting for input
  double peakMiB = 0;
};

HWND FindProcessWindow(const wchar_t* className, DWORD processId) {
  for (HWND hwnd = FindWindowExW(nullptr, nullptr, className, nullptr); hwnd;
       hwnd = FindWindowExW(nullptr, hwnd, className, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == processId) return hwnd;
  }
  return nullptr;
}

// Shown, for the menu with at least `icons` items in its list, and painted: the program waits
// for input with nothing left to do.
bool Ready(HANDLE process, HWND hwnd, int icons) {
  if (!hwnd || !IsWindowVisible(hwnd)) return false;
  if (icons > 0) {
    HWND list = FindWindowExW(hwnd, nullptr, WC_LISTVIEWW, nullptr);
    if (!list || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) < icons) return false;
  }
  return WaitForInputIdle(process, 0) == 0;
}

void EndProcess(PROCESS_INFORMATION& process) {
  if (HWND tray = FindWindowExW(HWND_MESSAGE, nullptr, L"FrmTray", nullptr)) PostMessageW(tray, WM_CLOSE, 0, 0);
  if (HWND minimal = FindProcessWindow(L"BenchMinimal", process.dwProcessId)) PostMessageW(minimal, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
}

Sample StartOnce(const std::string& exe, const wchar_t* className, int icons) {
  std::wstring commandLine = L"\"" + Widen(exe) + L"\"";
  std::wstring folder = Widen(exe.substr(0, exe.find_last_of('\\')));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  Clock::time_point start = Clock::now();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    return {};
  auto since = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
  Sample sample;
  for (;;) {
    HWND hwnd = FindProcessWindow(className, process.dwProcessId);
    if (sample.visibleMs == 0 && hwnd && IsWindowVisible(hwnd)) sample.visibleMs = since();
    if (Ready(process.hProcess, hwnd, icons)) break;
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0 || Clock::now() - start > std::chrono::seconds(60))
      break;
  }
  sample.readyMs = since();
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory)))
    sample.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
  EndProcess(process);
  return sample;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Measure(const std::string& folder, const std::string& minimal, int runs) {
  std::string tslc = JoinPath(folder, "tslc.exe");
  StartOnce(tslc, L"frmMain", kBenchShortcuts);  // fills the \Bmp cache; not counted
  std::vector<Sample> menus, references;
  for (int i = 0; i < runs; ++i) {
    menus.push_back(StartOnce(tslc, L"frmMain", kBenchShortcuts));
    references.push_back(StartOnce(minimal, L"BenchMinimal", 0));
  }
  auto median = [](const std::vector<Sample>& samples, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& sample : samples) values.push_back(sample.*field);
    return Median(values);
  };
  auto peak = [](const std::vector<Sample>& samples) {
    double most = 0;
    for (const Sample& sample : samples) most = std::max(most, sample.peakMiB);
    return most;
  };
  double menuVisible = median(menus, &Sample::visibleMs), menuReady = median(menus, &Sample::readyMs);
  double minimalVisible = median(references, &Sample::visibleMs), minimalReady = median(references, &Sample::readyMs);
  std::printf("start to visible / to painted and idle, medians of %d runs\n", runs);
  std::printf("  minimal window      %8.1f ms / %8.1f ms   peak working set %6.1f MiB\n", minimalVisible, minimalReady,
              peak(references));
  std::printf("  frmMain, 300 icons  %8.1f ms / %8.1f ms   peak working set %6.1f MiB\n", menuVisible, menuReady,
              peak(menus));
  std::printf("  ratios %.2f (target <= 1.3) / %.2f (target <= 1.5), extra memory %.1f MiB (target <= 20)\n",
              menuVisible / minimalVisible, menuReady / minimalReady, peak(menus) - peak(references));
  return 0;
}

double TimeSwitch(FrmMain& menu) {
  menu.ResetCategorySelection();
  menu.cmdMenu_Click(1);
  Clock::time_point start = Clock::now();
  menu.cmdMenu_Click(0);
  UpdateWindow(menu.lvwMain().hwnd());  // pictures load as the icons in sight are drawn
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int Switch(const std::string& folder) {
  App& app = TheApp();
  app.ProgramFolder = folder;
  app.EnvFile = JoinPath(folder, "env.mts");
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  LoadCategories();
  LoadGameEntries();
  FrmMain& menu = TheFrmMain();
  if (!menu.Load()) return 1;
  ShowWindow(menu.hwnd(), SW_SHOW);
  std::vector<double> colds, warms;
  for (int round = 0; round < 5; ++round) {
    std::filesystem::remove_all(std::filesystem::path(Widen(JoinPath(folder, "Bmp"))));
    CreateFolders(JoinPath(folder, "Bmp"));
    colds.push_back(TimeSwitch(menu));
    warms.push_back(TimeSwitch(menu));
  }
  std::printf("category switch to %zu icons, medians of 5: cold \\Bmp cache %.1f ms (target <= 300), warm %.1f ms\n",
              menu.lvwMain().Items().size(), Median(colds), Median(warms));
  menu.Unload();
  return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
  if (args.size() == 2 && args[0] == "prepare") return PrepareBenchFolder(args[1]), 0;
  if (args.size() == 4 && args[0] == "measure") return Measure(args[1], args[2], std::max(1, std::stoi(args[3])));
  if (args.size() == 2 && args[0] == "switch") return Switch(args[1]);
  std::fprintf(stderr, "usage: startup_bench prepare FOLDER | measure FOLDER MINIMAL RUNS | switch FOLDER\n");
  return 2;
}
