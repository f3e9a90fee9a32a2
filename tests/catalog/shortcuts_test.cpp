// Shortcut files written by us read back through the shell's link object exactly as the ones the
// link object writes itself.
#include "catalog/shortcuts.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include "catalog/shell_link_file.h"
#include "store/com.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
// The link object's own writer, as the program used it before writing the format itself.
bool WriteThroughShell(const std::string& path, const std::string& target, const std::string& workDir,
                       const std::string& args, const std::string& iconFile, int iconIndex) {
  EnsureComForThisThread();
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.out()))) ||
      FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out()))))
    return false;
  link->SetPath(Widen(target).c_str());
  link->SetWorkingDirectory(Widen(workDir).c_str());
  link->SetArguments(Widen(args).c_str());
  if (!iconFile.empty()) link->SetIconLocation(Widen(iconFile).c_str(), iconIndex);
  return SUCCEEDED(file->Save(Widen(path).c_str(), TRUE));
}

// The path the link's item ID list names, through the shell.
std::string IdListPath(const std::string& linkPath) {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, reinterpret_cast<void**>(link.out()));
  link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out()));
  PIDLIST_ABSOLUTE list = nullptr;
  wchar_t path[MAX_PATH] = {};
  if (FAILED(file->Load(Widen(linkPath).c_str(), STGM_READ)) || link->GetIDList(&list) != S_OK) return {};
  SHGetPathFromIDListW(list, path);
  ILFree(list);
  return Narrow(path);
}

std::string Describe(const ShortcutInfo& info) {
  return "target=" + info.TargetPath + " args=" + info.Arguments + " dir=" + info.WorkingDirectory +
         " icon=" + info.IconLocation;
}

using ShortcutsTest = TesselTest;
}  // namespace

TEST_F(ShortcutsTest, WrittenShortcutsReadBackAsTheLinkObjectsOwn) {
  CreateFolders(Path("게임 폴더"));
  WriteTextFile(Path("게임 폴더\\게임.exe"), "x", false, false);
  const std::string game = Path("게임 폴더\\게임.exe");
  struct Case {
    std::string target, workDir, args, icon;
    bool direct;  // written by us rather than by the link object
    std::string readTarget;
  };
  const Case cases[] = {
      {game, Path("게임 폴더"), "-window \"two words\" /x=1", game + ",2", true, game},
      {Path("게임 폴더\\..\\게임 폴더\\게임.exe"), "", "", "", true, game},
      {Path("게임 폴더"), Path("게임 폴더"), "", "", true, Path("게임 폴더")},
      {"C:\\Not Installed\\game.exe", "C:\\Not Installed", "-a", "C:\\Not Installed\\icon.ico", true,
       "C:\\Not Installed\\game.exe"},
      {"", "", "", "C:\\portal.ico,0", true, ""},
      {"\"" + game + "\"", "", "-q", "", false, game},
      {"%WINDIR%\\notepad.exe", "", "", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    std::string ours = Path("ours.lnk"), shells = Path("shells.lnk");
    size_t comma = c.icon.rfind(',');
    std::string iconFile = comma == std::string::npos ? c.icon : c.icon.substr(0, comma);
    int iconIndex = comma == std::string::npos ? 0 : std::stoi(c.icon.substr(comma + 1));
    EXPECT_EQ(CanWriteShellLinkFile(c.target, c.workDir, c.args, iconFile), c.direct);
    ASSERT_TRUE(WriteShortcut(ours, c.target, c.workDir, c.args, c.icon));
    ASSERT_TRUE(WriteThroughShell(shells, c.target, c.workDir, c.args, iconFile, iconIndex));
    ShortcutInfo read = ReadShortcut(ours);
    EXPECT_EQ(Describe(read), Describe(ReadShortcut(shells)));
    EXPECT_EQ(read.Arguments, c.args);
    if (!c.readTarget.empty()) {
      EXPECT_EQ(read.TargetPath, c.readTarget);
      EXPECT_EQ(IdListPath(ours), c.readTarget) << "the item ID list";
    }
  }
}

TEST_F(ShortcutsTest, WritingReplacesAnOldShortcutWhole) {
  const std::string link = Path("game.lnk");
  WriteBytes("game.lnk", std::string(5000, 'x'));
  ASSERT_TRUE(WriteShortcut(link, "C:\\Games\\a.exe", "", "-new", ""));
  EXPECT_EQ(ReadShortcut(link).Arguments, "-new");
  EXPECT_LT(ReadBytes("game.lnk").size(), 1000u) << "nothing of the old file is left behind";
  EXPECT_FALSE(WriteShortcut(Path("Missing Folder\\game.lnk"), "C:\\Games\\a.exe", "", "", ""));
}
