// Patch panel and run window speed under this machine's Wine, for 2,000 games: reading the
// descriptor with the owner's settings laid over it and filling the panel's list, and one step of
// the run window following a 2,000-game run log. Each is printed against the time to read the same
// file once, measured in the same run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "patch/frm_patch_log.h"
#include "patch/patch_data.h"
#include "patch/patch_list.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "ui/window.h"

namespace {
constexpr int kGames = 2000, kRuns = 5;

double Milliseconds(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The best of kRuns, each run prepared by setUp outside the timing.
double Best(const std::function<void()>& setUp, const std::function<void()>& work) {
  double best = 1e30;
  for (int i = 0; i < kRuns; ++i) {
    setUp();
    best = std::min(best, Milliseconds(work));
  }
  return best;
}

void Report(const char* what, double ms, double referenceMs) {
  std::printf("%-48s %8.1f ms  (reading the file once %.2f ms, ratio %.1f)\n", what, ms, referenceMs,
              referenceMs > 0 ? ms / referenceMs : 0.0);
}

std::string Descriptor() {
  std::string text;
  for (int i = 0; i < kGames; ++i) {
    std::string n = std::to_string(i);
    text += "[GPI_" + n + "]\r\nname=게임 " + n + "\r\nin_name=game" + n + "\r\np_type=" + std::to_string(i % 6) +
            "\r\npath1=" + (i % 3 ? "C:\\Games\\G" + n : "REG/HKLM/SOFTWARE/G" + n) + "\r\npath2=\r\n" +
            "getpathtype=1\r\nregpath=SOFTWARE\\G" + n + "\r\np_module=patch" + n + ".exe\r\np_caption=Patch " + n +
            "\r\ng_module=g" + n + ".exe\r\ng_caption=Game " + n + "\r\ncmpy=Maker\r\ninfo=1/2/C" + n +
            "/x\r\nbasefolder=G" + n + "\r\nsync=" + std::to_string(i % 2) + "\r\nsync_reg1=R\\HKLM\\G" + n + "\r\n";
  }
  return text;
}

std::string ModuleSettings() {
  std::string text;
  for (int i = 0; i < kGames; i += 4)
    text += "[GAME" + std::to_string(i) + "]\r\nID=user\r\nPwd=\r\nPath1=D:\\G" + std::to_string(i) +
            "\r\ncate=Online\r\ncname=온라인게임\r\nlsize=0\r\ntimer=30\r\n";
  return text;
}

std::string RunLog() {
  std::string text;
  for (int i = 0; i < kGames; ++i) {
    std::string n = std::to_string(i);
    text += "[game" + n + "]\r\nGName=게임 " + n + "\r\ncmpy=Maker\r\np_type=1\r\nGCode=C" + n + "\r\n";
    if (i < kGames - 1) text += "STime=2024-01-09 10:00:00\r\nETime=2024-01-09 10:01:00\r\nSTATE=" +
                                std::string(i % 7 ? "S" : "F") + "\r\n";
  }
  return text;
}

class ListHost : public Window {
 public:
  ListHost() : Window("PatchBenchList") {}
  ReportList list;

 protected:
  WindowOptions Options() const override { return {.caption = "bench", .width = 800, .height = 600}; }
  void OnLoad() override {
    list.Create(hwnd(), 100, {0, 0, 780, 560}, 0x21 /* grid lines, full row */ | 0x4 /* check boxes */);
    CreatePatchListColumns(list, PatchColumns::Account);
  }
};
}  // namespace

int main() {
  HKEY user = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TesselBench\\Patch", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &user,
                  nullptr);
  RegOverridePredefKey(HKEY_CURRENT_USER, user);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::string folder = JoinPath(Narrow(temp), "tessel-patch-bench");
  CreateFolders(JoinPath(folder, "Skin\\htm"));
  CreateFolders(JoinPath(folder, "Skin\\Log"));
  TheApp().ProgramFolder = folder;

  std::string descriptor = Descriptor();
  WriteTextFile(ModuleSettingsFile(), ModuleSettings(), false, false);
  auto writeDescriptor = [&] { WriteTextFile(DescriptorFile(), descriptor, false, false); };
  double readDescriptor = Best(writeDescriptor, [] { ReadFileBytes(DescriptorFile()); });
  double load = Best(writeDescriptor, [] {
    LoadModuleSettings();
    LoadPatchDescriptors();
  });
  ListHost host;
  host.Load();
  double fill = Best([] {}, [&] { FillPatchList(host.list, {}, PatchColumns::Account, false); });
  std::printf("%d games, %d listed\n", kGames, host.list.Count());
  Report("descriptor load (settings laid over)", load, readDescriptor);
  Report("list fill", fill, readDescriptor);
  Report("descriptor load and list fill", load + fill, readDescriptor);

  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "GPLAST", "bench");
  WriteTextFile(JoinPath(folder, "Skin\\Log\\bench.log"), RunLog(), false, false);
  double readLog = Best([] {}, [&] { ReadFileBytes(JoinPath(folder, "Skin\\Log\\bench.log")); });
  double follow = Best([] { ShowPatchLog(""); }, [] { OpenPatchLog()->FollowRun(); });
  std::printf("run log of %d games, %zu records followed\n", kGames, OpenPatchLog()->Records().size() - 1);
  Report("one follow step (log read, lists refreshed)", follow, readLog);

  OpenPatchLog()->Unload();
  host.Unload();
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Widen(folder)), ignored);
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TesselBench\\Patch");
  return 0;
}
