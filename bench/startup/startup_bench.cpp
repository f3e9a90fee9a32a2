// Start-up benchmark of the menu layouts.
//   startup_bench prepare FOLDER           lays out the measured program folder (skin drawn before)
//   startup_bench measure FOLDER MINIMAL N starts FOLDER\tslc.exe in layouts 0, 1 and 2 and the
//                                          minimal program N times each, in turn, until their
//                                          windows show (the classic menu with all its first
//                                          category's icons; the banner with its floating buttons
//                                          and the notice), and prints medians, the ratios and the
//                                          peak working sets
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
  double milliseconds = 0;
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

bool Visible(const wchar_t* className, DWORD processId) {
  HWND hwnd = FindProcessWindow(className, processId);
  return hwnd && IsWindowVisible(hwnd);
}

// What a started program shows once it is up.
using Shown = bool (*)(DWORD processId);

// The classic menu with every icon of its first category in the list.
bool ClassicShown(DWORD processId) {
  HWND menu = FindProcessWindow(L"frmMain", processId);
  if (!menu || !IsWindowVisible(menu)) return false;
  HWND list = FindWindowExW(menu, nullptr, WC_LISTVIEWW, nullptr);
  return list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= kBenchShortcuts;
}

// The banner with its floating buttons; the notice is the last thing its start-up work shows.
bool BannerShown(DWORD processId) {
  return Visible(L"frmMain2", processId) && Visible(L"F1", processId) && Visible(L"FrmNotice", processId);
}

bool MinimalShown(DWORD processId) { return Visible(L"BenchMinimal", processId); }

void EndProcess(PROCESS_INFORMATION& process) {
  if (HWND tray = FindWindowExW(HWND_MESSAGE, nullptr, L"FrmTray", nullptr)) PostMessageW(tray, WM_CLOSE, 0, 0);
  if (HWND minimal = FindProcessWindow(L"BenchMinimal", process.dwProcessId)) PostMessageW(minimal, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
}

// Until it shows and waits for input with nothing left to do (painting included).
Sample StartOnce(const std::string& exe, Shown shown) {
  std::wstring commandLine = L"\"" + Widen(exe) + L"\"";
  std::wstring folder = Widen(exe.substr(0, exe.find_last_of('\\')));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  Clock::time_point start = Clock::now();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    return {};
  Sample sample;
  while (!(shown(process.dwProcessId) && WaitForInputIdle(process.hProcess, 0) == 0)) {
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0 ||
        Clock::now() - start > std::chrono::seconds(60))
      break;
  }
  sample.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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

struct Series {
  const char* label;
  int layout;  // -1 for the minimal program
  Shown shown;
  std::vector<double> times, peaks;
};

Sample StartLayout(const std::string& folder, const std::string& minimal, Series& series) {
  if (series.layout < 0) return StartOnce(minimal, series.shown);
  WriteTextFile(JoinPath(folder, "env.mts"), "[ENV]\r\nltype=" + std::to_string(series.layout) + "\r\n", false,
                false);
  return StartOnce(JoinPath(folder, "tslc.exe"), series.shown);
}

int Measure(const std::string& folder, const std::string& minimal, int runs) {
  std::vector<Series> all = {{"minimal window", -1, MinimalShown},
                             {"layout 0, frmMain with 300 icons", 0, ClassicShown},
                             {"layout 1, banner and buttons", 1, BannerShown},
                             {"layout 2, banner and buttons", 2, BannerShown}};
  StartLayout(folder, minimal, all[1]);  // fills the \Bmp cache; not counted
  for (int i = 0; i < runs; ++i)
    for (Series& series : all) {
      Sample sample = StartLayout(folder, minimal, series);
      series.times.push_back(sample.milliseconds);
      series.peaks.push_back(sample.peakMiB);
    }
  const double reference = Median(all[0].times);
  const double referencePeak = *std::max_element(all[0].peaks.begin(), all[0].peaks.end());
  std::printf("start to visible, median of %d runs (targets: ratio <= 1.5, extra memory <= 20 MiB)\n", runs);
  for (const Series& series : all) {
    double time = Median(series.times), peak = *std::max_element(series.peaks.begin(), series.peaks.end());
    std::printf("  %-34s %8.1f ms  ratio %5.2f   peak working set %6.1f MiB, extra %5.1f MiB\n", series.label, time,
                time / reference, peak, peak - referencePeak);
  }
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
  std::filesystem::remove_all(std::filesystem::path(Widen(JoinPath(folder, "Bmp"))));
  CreateFolders(JoinPath(folder, "Bmp"));
  double cold = TimeSwitch(menu);
  double warm = TimeSwitch(menu);
  std::printf("category switch to %zu icons: cold \\Bmp cache %.1f ms, warm %.1f ms\n", menu.lvwMain().Items().size(),
              cold, warm);
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
