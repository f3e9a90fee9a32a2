#include "menu/launcher.h"

#include <optional>

#include "agent/agent_link.h"
#include "catalog/shortcuts.h"
#include "menu/cd_key.h"
#include "menu/control_panel.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/launch.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/text_util.h"
#include "store/wait.h"

namespace {
constexpr const char* kGameLauncher = "ZuzoRadozevo.exe";
constexpr const char* kAgentProgram = "TSLC_Ag.exe";

std::string ProgramFile(const std::string& name) { return JoinPath(TheApp().ProgramFolder, name); }

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// The launcher entry that serves this title: whole comma-separated items, case ignored.
std::optional<GameLauncherEntry> LauncherEntryFor(const std::string& title) {
  const auto& launchers = TheApp().GameLaunchers;
  if (launchers.size() < 2 || TheApp().Settings.gameexe != 1) return std::nullopt;
  std::string key = "," + ToLowerAscii(title) + ",";
  for (size_t i = 1; i < launchers.size(); ++i) {
    const GameLauncherEntry& entry = launchers[i];
    if (entry.Gubn != "1" || entry.State != 1 || entry.ETitle.empty()) continue;
    if (("," + ToLowerAscii(entry.ETitle) + ",").find(key) != std::string::npos) return entry;
  }
  return std::nullopt;
}

void PlainStart(const std::string& path, const ShortcutInfo& shortcut, const std::string& folder) {
  if (!ShellOpen(shortcut.TargetPath, shortcut.Arguments, folder)) {
    LaunchRequest itself;
    itself.file = path;
    itself.verb.clear();
    Launch(itself);
  }
}

void AskAgent(const char* request) {
  SendToAgent(request, kAgentCommand);
  DoEvents();
}

// The CD-key road for the four games the agent starts; false when the game is started here instead.
bool HandOutCdKey(const std::string& target) {
  const CdKeySwitches& mode = CdKeyMode();
  std::string exe = ToLowerAscii(FileNameOf(target));
  bool hasWar3 = FileExists(JoinPath(FolderOf(target), "war3.exe"));
  if (exe == "starcraft.exe" && mode.starCraft) {
    RegisterGameInstall("SC", target);
    AskAgent("CCS");
  } else if ((exe == "warcraft iii.exe" || exe == "frozen throne.exe") && mode.warcraft3 && hasWar3) {
    RegisterGameInstall(exe == "warcraft iii.exe" ? "W3" : "FT", target);
    AskAgent("CCW");
  } else if (exe == "diablo ii.exe" && mode.diablo2) {
    RegisterGameInstall("D2", target);
    AskAgent("CCD");
  } else {
    return false;
  }
  return true;
}

void StartProgramShortcut(const std::string& path, const std::string& title) {
  if (title == "마우스") return OpenControlPanelPage(kMousePage);
  if (title == "키보드") return OpenControlPanelPage(kKeyboardPage);
  ShortcutInfo shortcut = ReadShortcut(path);
  std::string folder = Trim(shortcut.WorkingDirectory);
  bool targetExists = FileExists(shortcut.TargetPath);
  if (folder.empty() && targetExists) folder = FolderOf(shortcut.TargetPath);
  bool handOut = ReadCdKeyMode() && !Trim(shortcut.TargetPath).empty() && targetExists;
  if (handOut && HandOutCdKey(shortcut.TargetPath)) return;
  PlainStart(path, shortcut, folder);
}

void OpenInternetShortcut(const std::string& path) {
  std::string address;
  if (FileExists(path)) address = RemoveNuls(ClsINI(path, "InternetShortcut").OpenINI("URL"));
  if (!Trim(address).empty())
    ShellOpen(address);
  else
    ShellOpen("IEXPLORE.EXE", address);
  DoEvents();
}
}  // namespace

void LaunchShortcut(const std::string& path, const std::string& title) {
  if (auto entry = LauncherEntryFor(title); entry && StartGameLauncher("/" + entry->Args)) return;
  size_t dot = path.find_last_of('.');
  std::string extension = dot == std::string::npos ? std::string() : ToLowerAscii(path.substr(dot + 1));
  if (extension == "url")
    OpenInternetShortcut(path);
  else
    StartProgramShortcut(path, title);
}

void StartGameByArgument(const std::string& argument) {
  std::string word;
  for (char c : argument)
    if (c != '/') word += c;
  std::string path = RegReadString(HKEY_CURRENT_USER, kCdGameKey, word);
  if (path.empty()) return;
  bool agentRunning = IsProcessRunning(kAgentProgram);
  if (!agentRunning && FileExists(ProgramFile(kAgentProgram)))
    ShellOpen(ProgramFile(kAgentProgram), "", TheApp().ProgramFolder);
  std::string lower = ToLowerAscii(word);
  if (!ReadCdKeyMode() || !agentRunning) {
    std::string arguments = lower == "war3" ? RegReadString(HKEY_CURRENT_USER, kCdGameKey, "war3mode") : "";
    RegWriteString(HKEY_CURRENT_USER, kCdGameKey, "war3mode", "");
    ShellOpen(path, arguments, FolderOf(path));
    return;
  }
  RegWriteString(HKEY_CURRENT_USER, kCdKeyKey, "GAME", path);
  if (lower == "star") SendToAgent("CCS", kAgentCommand);
  if (lower == "war3") SendToAgent("CCW", kAgentCommand);
  if (lower == "dia2") SendToAgent("CCD", kAgentCommand);
}

void OpenBoardLauncher() { StartGameLauncher("/board"); }

bool StartGameLauncher(const std::string& parameters) {
  if (unsigned long running = GetProcessIdByName(kGameLauncher)) KillProcess(running);
  std::string program = ProgramFile(kGameLauncher);
  if (!FileExists(program)) return false;
  ShellOpen(program, parameters, TheApp().ProgramFolder);
  return true;
}
