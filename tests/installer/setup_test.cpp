// TesselSetup.exe as an owner uses it: a silent install into a folder the program then starts
// from, an upgrade over the running program, and the uninstaller, which leaves the owner's files.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "catalog/shortcuts.h"
#include "e2e/e2e_support.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"

namespace {
const std::string kSetup = SETUP_EXE;
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kCdGame = "SOFTWARE\\Harrow\\CDGame";
constexpr const wchar_t* kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessel";

DWORD Install(const std::string& folder) {
  // /D= takes the rest of the command line as it stands, spaces included, without quotes.
  return Run("\"" + kSetup + "\" /S /D=" + folder, 120000);
}

// The uninstaller runs from a copy of itself and removes its own file last.
bool Uninstall(const std::string& folder, const std::string& options = {}) {
  return Run("\"" + folder + "\\Uninstall.exe\" /S" + options) == 0 &&
         WaitUntil([&] { return !FileExists(folder + "\\Uninstall.exe"); }, 60000);
}

// Our own record in the native view, where Programs and Features and the next setup look.
std::string Uninstaller(const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
    return {};
  wchar_t value[512] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t), type = 0;
  LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && type == REG_SZ ? Narrow(value) : std::string();
}

std::string StartupShortcut() { return JoinPath(GetSpecialFolder(CSIDL_COMMON_STARTUP), "Tessel.lnk"); }

// Every program and library under the folder, by its path inside it.
std::set<std::string> ProgramFilesIn(const std::string& folder) {
  std::set<std::string> found;
  const std::filesystem::path root(Widen(folder));
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::wstring extension = entry.path().extension().wstring();
    CharLowerBuffW(extension.data(), static_cast<DWORD>(extension.size()));
    if (extension == L".exe" || extension == L".dll") found.insert(Narrow(entry.path().lexically_relative(root).wstring()));
  }
  return found;
}

std::string VersionText(const std::string& file, const char* name) {
  std::wstring path = Widen(file);
  std::string block(GetFileVersionInfoSizeW(path.c_str(), nullptr), '\0');
  wchar_t* text = nullptr;
  UINT length = 0;
  if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueW(block.data(), (L"\\StringFileInfo\\041204B0\\" + Widen(name)).c_str(),
                      reinterpret_cast<void**>(&text), &length))
    return {};
  return Narrow(std::wstring(text, length ? length - 1 : 0));
}

std::string ManifestOf(const std::string& program) {
  HMODULE module = LoadLibraryExW(Widen(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::string text;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST))
    if (HGLOBAL loaded = LoadResource(module, found))
      text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
  FreeLibrary(module);
  return text;
}

std::string ProgramOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  BOOL found = QueryFullProcessImageNameW(process, 0, path, &length);
  CloseHandle(process);
  return found ? Narrow(std::wstring_view(path, length)) : std::string();
}

// The tray window of the Tessel that runs from this program file, started by whoever.
HWND TrayOf(const std::string& program, DWORD timeoutMs) {
  HWND tray = nullptr;
  WaitUntil([&] {
    for (tray = FindWindowExW(HWND_MESSAGE, nullptr, L"FrmTray", nullptr); tray;
         tray = FindWindowExW(HWND_MESSAGE, tray, L"FrmTray", nullptr))
      if (CompareStringOrdinal(Widen(ProgramOf(tray)).c_str(), -1, Widen(program).c_str(), -1, TRUE) == CSTR_EQUAL)
        return true;
    return false;
  }, timeoutMs);
  return tray;
}

// What the owner and the program leave in the folder, which no setup may change.
const std::map<std::string, std::string> kOwnersFiles = {
    {"env.mts", "[ENV]\r\nltype=0\r\nNOTE1=owner's notice\r\n"},
    {"Game.mts", "owner's games\r\n"},
    {"ip.ini", "[IP]\r\n1=192.168.0.101\r\n"},
    {"ipc.ini", "[1]\r\nIP=192.168.0.101\r\n"},
    {"Skin\\Button.ini", "[Button]\r\nowner=1\r\n"},
    {"Skin\\GP_Group.ini", "[GROUP]\r\n1=owner's group\r\n"},
    {"Skin\\Log\\20240101.log", "a patch run\r\n"},
};

void WriteOwnersFiles(const std::string& folder) {
  for (const auto& [name, text] : kOwnersFiles) {
    CreateFolders(JoinPath(folder, name.substr(0, name.rfind('\\') == std::string::npos ? 0 : name.rfind('\\'))));
    ASSERT_TRUE(ReplaceFileBytes(JoinPath(folder, name), text)) << name;
  }
}

void ExpectOwnersFiles(const std::string& folder, const char* after) {
  for (const auto& [name, text] : kOwnersFiles)
    EXPECT_EQ(ReadFileBytes(JoinPath(folder, name)).value_or("(missing)"), text) << name << " after " << after;
}
}  // namespace

TEST(Setup, InstallsSilentlyStartsUpgradesOverTheRunningProgramAndUninstallsKeepingTheOwnersFiles) {
  TempFolder temp;
  const std::string folder = temp / "Tessel 설치";  // a space and Korean letters, as owners name folders
  ASSERT_EQ(Install(folder), 0u);

  EXPECT_EQ(ProgramFilesIn(folder), (std::set<std::string>{"TSLC.exe", "Uninstall.exe", "VdEnc.dll", "tessel-pack.exe",
                                                            "vdCab.dll"}))
      << "the product alone, no stand-in of the outside programs";
  const std::string version = Uninstaller(L"DisplayVersion");
  EXPECT_FALSE(version.empty());
  for (const char* file : {"TSLC.exe", "VdEnc.dll", "vdCab.dll", "tessel-pack.exe"}) {
    EXPECT_EQ(VersionText(JoinPath(folder, file), "ProductName"), "Tessel") << file;
    EXPECT_EQ(VersionText(JoinPath(folder, file), "ProductVersion"), version) << file;
  }
  const std::string manifest = ManifestOf(JoinPath(folder, "TSLC.exe"));
  for (const char* part : {"Microsoft.Windows.Common-Controls", "PerMonitorV2", "asInvoker"})
    EXPECT_NE(manifest.find(part), std::string::npos) << part;

  EXPECT_EQ(Uninstaller(L"InstallLocation"), folder);
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kRunKey, "Tessel"), folder + "\\TSLC_Ag.exe") << "the agent's entry";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szDir"), folder);
  EXPECT_EQ(ReadShortcut(StartupShortcut()).TargetPath, folder + "\\TSLC.exe") << "starts with Windows";

  RunningProgram program(folder + "\\TSLC.exe");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(30000));
  HWND menu = WaitForWindow("frmMain", program.processId(), 0);
  ASSERT_NE(menu, nullptr) << "the classic menu";
  EXPECT_TRUE(IsWindowVisible(menu));

  // An upgrade pushed while the program runs: the owner's files stay, the program's are renewed.
  WriteOwnersFiles(folder);
  const std::string background = folder + "\\Skin\\Default\\back.jpg";
  const std::string picture = ReadFileBytes(background).value_or("");
  ASSERT_FALSE(picture.empty());
  ASSERT_TRUE(ReplaceFileBytes(background, "spoilt"));
  ASSERT_EQ(Install(folder), 0u);
  EXPECT_EQ(program.WaitForExit(), 0u) << "ended cleanly for the upgrade";
  ExpectOwnersFiles(folder, "the upgrade");
  EXPECT_EQ(ReadFileBytes(background).value_or(""), picture);
  HWND tray = TrayOf(folder + "\\TSLC.exe", 20000);
  ASSERT_NE(tray, nullptr) << "started again after the upgrade";
  DWORD restarted = 0;
  GetWindowThreadProcessId(tray, &restarted);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, restarted);
  PostMessageW(tray, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
  CloseHandle(process);

  ASSERT_TRUE(Uninstall(folder));
  ExpectOwnersFiles(folder, "uninstalling");
  for (const std::string& left : ProgramFilesIn(folder)) ADD_FAILURE() << left << " left behind";
  for (const char* part : {"Skin\\Default", "Skin\\htm", "image"})
    EXPECT_FALSE(PathExists(JoinPath(folder, part))) << part;
  EXPECT_EQ(Uninstaller(L"InstallLocation"), "");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kRunKey, "Tessel"), "");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szDir"), "");
  EXPECT_FALSE(FileExists(StartupShortcut()));
}

TEST(Setup, TakesTheCafesServersAndAPurgingUninstallRemovesTheWholeFolderAndThem) {
  TempFolder temp;
  const std::string folder = temp / "Tessel";
  ASSERT_EQ(::Run("\"" + kSetup + "\" /S /UPDATEHOST=update.cafe.example /PATCHHOST=\"http://patch.cafe.example:8080\" /D=" +
                    folder,
                120000),
            0u);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "UpdateHost"), "update.cafe.example");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PatchHost"), "http://patch.cafe.example:8080");
  WriteOwnersFiles(folder);
  ASSERT_TRUE(Uninstall(folder, " /PURGE"));
  ASSERT_TRUE(WaitUntil([&] { return !PathExists(folder); }, 30000));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "UpdateHost"), "");
}
