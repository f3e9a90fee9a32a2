// Start-up benchmark of the classic menu.
//   startup_bench prepare FOLDER           lays out the measured program folder (skin drawn before)
//   startup_bench measure FOLDER MINIMAL N starts FOLDER\tslc.exe and the minimal program N times each,
//                                          alternating, until their window shows (the menu with all
//                                          its first category's icons), and prints medians, the
//                                          ratio and the peak working sets
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
  Sample sample;
  while (!Ready(process.hProcess, FindProcessWindow(className, process.dwProcessId), icons)) {
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

int Measure(const std::string& folder, const std::string& minimal, int runs) {
  std::string tslc = JoinPath(folder, "tslc.exe");
  StartOnce(tslc, L"frmMain", kBenchShortcuts);  // fills the \Bmp cache; not counted
  std::vector<double> menuTimes, minimalTimes, menuPeaks, minimalPeaks;
  for (int i = 0; i < runs; ++i) {
    Sample menu = StartOnce(tslc, L"frmMain", kBenchShortcuts);
    Sample reference = StartOnce(minimal, L"BenchMinimal", 0);
    menuTimes.push_back(menu.milliseconds);
    menuPeaks.push_back(menu.peakMiB);
    minimalTimes.push_back(reference.milliseconds);
    minimalPeaks.push_back(reference.peakMiB);
  }
  double menu = Median(menuTimes), reference = Median(minimalTimes);
  double menuPeak = *std::max_element(menuPeaks.begin(), menuPeaks.end());
  double referencePeak = *std::max_element(minimalPeaks.begin(), minimalPeaks.end());
  std::printf("start to visible, median of %d runs\n", runs);
  std::printf("  minimal window      %8.1f ms   peak working set %6.1f MiB\n", reference, referencePeak);
  std::printf("  frmMain, 300 icons  %8.1f ms   peak working set %6.1f MiB\n", menu, menuPeak);
  std::printf("  ratio %.2f (target <= 1.5), extra memory %.1f MiB (target <= 20)\n", menu / reference,
              menuPeak - referencePeak);
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
