// Catalog speed under this machine's Wine: loading 5,000 game entries, scanning a 5,000-record game
// list of which 500 games are installed (registry and INI checks mixed) in both modes, and creating
// 300 shortcuts for a category. Each figure is the median of several rounds, printed with the median
// of a reference measured by turns with it, their ratio and the ratio aimed at.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "catalog/category_sync.h"
#include "catalog/game_entries.h"
#include "catalog/game_list.h"
#include "catalog/menu_list.h"
#include "catalog/shortcuts.h"
#include "catalog/title_set.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"

namespace {
constexpr int kRecords = 5000, kInstalled = 500, kShortcuts = 300;
constexpr const char* kBenchKey = "Software\\TesselBench";

double Milliseconds(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Medians of the work and its reference, measured by turns so that both see the same machine.
struct Timing {
  std::vector<double> work, reference;
};

void Report(const char* what, const Timing& timing, const char* reference, double targetRatio) {
  double ms = Median(timing.work), referenceMs = Median(timing.reference);
  double ratio = referenceMs > 0 ? ms / referenceMs : 0.0;
  std::printf("%-40s %9.1f ms  (%s %.1f ms, ratio %.2f, target %.1f)%s\n", what, ms, reference, referenceMs, ratio,
              targetRatio, ratio > targetRatio ? "  over target" : "");
}

// HKCU and HKLM point at a private key for the run, as in the tests.
void RedirectRegistry() {
  HKEY user = nullptr, machine = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TesselBench\\HKCU", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &user, nullptr);
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TesselBench\\HKLM", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &machine, nullptr);
  RegOverridePredefKey(HKEY_CURRENT_USER, user);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine);
}

void RestoreRegistry() {
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kBenchKey).c_str());
}

std::string Folder(const std::string& root, int i) { return JoinPath(root, "Games\\G" + std::to_string(i)); }

// Half the installed games are found through the registry, half through an INI file.
std::string GameList(const std::string& root) {
  std::string text;
  for (int i = 0; i < kRecords; ++i) {
    std::string n = std::to_string(i), check;
    bool installed = i % (kRecords / kInstalled) == 0;
    if (i % 2 == 0) {
      check = "HKLM|SOFTWARE\\BenchGames\\G" + n + "|Path";
      if (installed) RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\BenchGames\\G" + n, "Path", Folder(root, i));
    } else {
      std::string ini = JoinPath(root, "Games\\G" + n + ".ini");
      check = "INI|" + ini + "|Setup|Dir";
      if (installed) WriteTextFile(ini, "[Setup]\r\nDir=" + Folder(root, i) + "\r\n", false, false);
    }
    if (installed) {
      CreateFolders(Folder(root, i));
      WriteTextFile(JoinPath(Folder(root, i), "game.exe"), "x", false, false);
    }
    text += "[" + n + "]\r\ntitle=Game " + n + "\r\nganre=Best\r\nprocess=game.exe\r\ntype=LNK\r\nicon=game.ico\r\n"
            "inschk=" + check + "\r\ndate=2026-01-01\r\n";
  }
  return text;
}

std::string GameMts(const std::string& target, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    std::string n = std::to_string(i);
    text += "[Game " + n + "-Best]\r\nTitle=Game " + n + "\r\nGName=Game " + n + ".LNK\r\nTargetPath=" + target +
            "\r\nWorkDir=C:\\Games\r\nArgs=-x\r\nGroup=Best\r\nGubn=LNK\r\nIcon=" + target + "\r\n";
  }
  return text;
}

struct NoList : MenuList {
  void AddIcon(const std::string&, const std::string&, const std::string&) override {}
};

void BenchLoad(const std::string& root) {
  std::string mts = JoinPath(root, "Game.mts");
  WriteTextFile(mts, GameMts("C:\\Games\\game.exe", kRecords), false, false);
  Timing timing;
  for (int round = 0; round < 15; ++round) {
    std::optional<std::string> text;
    timing.reference.push_back(Milliseconds([&] { text = ReadTextFile(mts); }));
    // A first load: the entries of the round before are let go outside the measurement.
    std::vector<GameEntry> before = std::move(TheApp().GameEntries);
    TheApp().GameEntries.clear();
    timing.work.push_back(Milliseconds([] { LoadGameEntries(); }));
  }
  Report("LoadGameEntries, 5,000 entries", timing, "reading the file", 1.2);
  RemoveFile(mts);
}

void BenchScan(const std::string& root) {
  WriteTextFile(JoinPath(root, "Skin\\GameLst.ini"), GameList(root), false, false);
  Timing all, update;
  for (int round = 0; round < 3; ++round) {
    RemoveFile(GameEntryFile());
    double reference = Milliseconds([&] {
      for (int i = 0; i < kRecords; ++i) {
        RegReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\BenchGames\\G" + std::to_string(i), "Path");
        FileExists(JoinPath(Folder(root, i), "game.exe"));
      }
    });
    all.reference.push_back(reference);
    update.reference.push_back(reference);
    all.work.push_back(Milliseconds([] { ScanInstalledGames(true); }));
    RegDeleteValue(HKEY_CURRENT_USER, kTesselKey, "iconDdate");
    update.work.push_back(Milliseconds([] { ScanInstalledGames(false); }));
  }
  Report("ScanInstalledGames(all), 5,000 records", all, "5,000 registry reads + file tests", 1.0);
  Report("ScanInstalledGames(update), same list", update, "5,000 registry reads + file tests", 1.0);
}

void BenchSync(const std::string& root) {
  WriteTextFile(JoinPath(root, "game.exe"), "x", false, false);
  WriteTextFile(JoinPath(root, "Game.mts"), GameMts(JoinPath(root, "game.exe"), kShortcuts), false, false);
  LoadGameEntries();
  Timing timing;
  for (int round = 0; round < 3; ++round) {
    std::string plain = JoinPath(root, "Plain" + std::to_string(round));
    CreateFolders(plain);
    timing.reference.push_back(Milliseconds([&] {
      for (int i = 0; i < kShortcuts; ++i) WriteTextFile(JoinPath(plain, std::to_string(i)), "x", false, true);
    }));
    std::filesystem::remove_all(std::filesystem::path(Widen(JoinPath(root, "Best"))));
    ClearListedTitles();
    NoList list;
    timing.work.push_back(Milliseconds([&] { SyncCategoryFolder(list, "BEST"); }));
  }
  Report("SyncCategoryFolder, 300 new shortcuts", timing, "writing 300 small files", 10);
}
}  // namespace

int wmain() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::string root = JoinPath(Narrow(temp), "tessel-catalog-bench-" + std::to_string(GetCurrentProcessId()));
  CreateFolders(JoinPath(root, "Skin"));
  ResetApp().ProgramFolder = root;
  RedirectRegistry();

  BenchLoad(root);
  BenchScan(root);
  RemoveFile(JoinPath(root, "Game.mts"));
  BenchSync(root);

  RestoreRegistry();
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Widen(root)), ignored);
  return 0;
}
