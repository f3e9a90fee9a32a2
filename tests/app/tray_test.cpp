#include "app/frm_tray.h"

#include <gtest/gtest.h>

#include "admin/frm_env.h"
#include "admin/recovery_libraries.h"
#include "agent/menu_hook.h"
#include "app/tray_icon.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"
#include "ui/form_registry.h"
#include "ui/forms.h"
#include "ui/popup_menu.h"

namespace {
class TrayTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    SetTrayIconObserver([this](const NOTIFYICONDATAW& record) {
      icons.emplace_back(record.hWnd, Narrow(record.szTip));
      return true;
    });
    SetPopupMenuAnswerer([this](const std::vector<PopupMenuItem>& items) {
      for (const auto& item : items) menuCaptions.push_back(item.caption);
      return chosen;
    });
    SetDllDirectoryW(Widen(folder.path()).c_str());
  }
  void TearDown() override {
    UnhookMenuWindow();
    tray().Unload();
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    SetDllDirectoryW(nullptr);
    SetTrayIconObserver(nullptr);
    SetPopupMenuAnswerer(nullptr);
    TesselTest::TearDown();
  }

  FrmTray& tray() { return TheFrmTray(); }
  void Tick() { SendMessageW(tray().hwnd(), WM_TIMER, FrmTray::kTimer1, 0); }
  void RightClick() { SendMessageW(tray().hwnd(), kTrayCallbackMessage, 0, WM_RBUTTONUP); }

  // Places the stand-in library beside the test with the given answers.
  void InstallLibrary(const char* library, const std::string& answers) {
    std::string name = std::string(library) + ".dll";
    CopyFileW(Widen(std::string(RECOVERY_DOUBLES) + "\\" + name).c_str(), Widen(Path(name)).c_str(), FALSE);
    WriteTextFile(Path("recovery-double.ini"), std::string("[") + library + "]\r\n" + answers, true, true);
  }
  std::string LoadAndTip() {
    tray().Load();
    Tick();
    return icons.empty() ? "" : icons.back().second;
  }

  std::vector<std::pair<HWND, std::string>> icons;  // owner and tip of each icon added
  std::vector<std::string> menuCaptions;
  int chosen = 0;  // the item the user picks from the tray menu
};
}  // namespace

TEST_F(TrayTest, LoadHidesTheCatalogFoldersAndAddsTheIconOnceAndForEveryNewTaskbar) {
  for (const char* name : {"Mmorpg", "Other"}) CreateDirectoryW(Widen(Path(name)).c_str(), nullptr);
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", " 1 ");
  ASSERT_TRUE(tray().Load());
  const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  EXPECT_EQ(GetFileAttributesW(Widen(Path("Mmorpg")).c_str()) & hiddenSystem, hiddenSystem);
  EXPECT_EQ(GetFileAttributesW(Widen(Path("Other")).c_str()) & hiddenSystem, 0u);
  EXPECT_TRUE(TheApp().VConnect);
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, L"FrmTray", nullptr), tray().hwnd()) << "message-only";

  EXPECT_TRUE(icons.empty()) << "not before the first tick";
  Tick();
  Tick();
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0], std::pair(tray().hwnd(), std::string("Tessel 2.7.5"))) << "no recovery module";
  SendMessageW(tray().hwnd(), TaskbarCreatedMessage(), 0, 0);
  TestMenuWindow menu;
  menu.Load();
  HookMenuWindow(menu);
  SendMessageW(menu.hwnd(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(icons.size(), 3u) << "the hooked menu window hands the shell's message on";
}

TEST_F(TrayTest, TipsAndStatesFollowTheRecoveryModule) {
  InstallLibrary("VdRcv", "IsInstalled=1\r\nIsSuperMode=1");
  EXPECT_EQ(LoadAndTip(), "Tessel2.7.5(보호안함)");
  tray().Unload();

  WriteTextFile(Path("recovery-double.ini"), "[VdRcv]\r\nIsInstalled=2", false, true);
  InstallLibrary("VdRcvrp2", "IsInstalled=1\r\nRecMod1=1");
  EXPECT_EQ(LoadAndTip(), "Tessel2.7.5(보호중)") << "VdRcv answering 2 is not installed";
  EXPECT_EQ(ReadRecoveryState(RecoveryLibrary::VdRcvrp2), "1|100");
  WriteTextFile(Path("recovery-double.ini"), "[VdRcvrp2]\r\nRecMod1=7", false, true);
  EXPECT_EQ(ReadRecoveryState(RecoveryLibrary::VdRcvrp2), "7|");
  EXPECT_EQ(ReadRecoveryState(RecoveryLibrary::VdRcv), "0") << "absent reads as not suspended";
}

TEST_F(TrayTest, LsrecnDecidesByItsStateAndIsFinalisedAtUnload) {
  InstallLibrary("lsrecn", "IsInstalled=1\r\nRecMod1=2~~\r\nRecMod2= 5 ");
  EXPECT_EQ(LoadAndTip(), "Tessel2.7.5(보호안함)");
  EXPECT_EQ(ReadRecoveryState(RecoveryLibrary::Lsrecn), "2|5") << "NULs removed, blanks trimmed";
  EXPECT_EQ(ReadRecoveryState(RecoveryLibrary::VdRcvrp), "") << "not loadable";
  tray().Unload();
  std::string calls = ReadBytes("recovery-double.log");
  EXPECT_EQ(calls.find("lsrecn Initialize"), 0u);
  EXPECT_NE(calls.find("lsrecn Finalize"), std::string::npos);
}

TEST_F(TrayTest, TheIconsMenuAndDoubleClickReachTheMenuWindowOfTheLayout) {
  tray().Load();
  TestMenuWindow menu("frmMain");
  menu.Load();
  SendMessageW(tray().hwnd(), kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(menu.hwnd()));
  TheApp().Settings.ltype = 1;
  ShowWindow(menu.hwnd(), SW_HIDE);
  SendMessageW(tray().hwnd(), kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(IsWindowVisible(menu.hwnd())) << "layout 1 restores frmMain2";

  TheApp().Settings.ltype = 0;
  ShowWindow(menu.hwnd(), SW_SHOW);
  HookMenuWindow(menu);
  TheApp().LoginResult = "OK";
  chosen = FrmTray::mnu_Setting;
  RightClick();
  EXPECT_TRUE(menuCaptions.empty()) << "no menu before a menu window is ready";
  TheApp().MenuReady = true;
  RightClick();
  EXPECT_EQ(menuCaptions, (std::vector<std::string>{"환경설정", "-", "정보(&A)"}));
  EXPECT_TRUE(IsIconic(menu.hwnd())) << "the settings item minimises the menu";
  EXPECT_EQ(menu.calls, (std::vector<std::string>{"HidePopups", "HideSkinnedWindow"}));
  EXPECT_EQ(TheApp().LoginResult, "");
  EXPECT_EQ(TheApp().LoginPurpose, "SE");
  Window* login = FindLoadedForm("frmPass");
  ASSERT_NE(login, nullptr) << "the login opens";
  EXPECT_TRUE(IsWindowVisible(login->hwnd()));
  login->Unload();

  OpenSettingsWindow();
  TheApp().LoginPurpose.clear();
  ShowWindow(menu.hwnd(), SW_RESTORE);
  RightClick();
  EXPECT_FALSE(IsFormLoaded("frmPass")) << "with the settings window open the item only minimises the menu";
  EXPECT_TRUE(IsIconic(menu.hwnd()));
  TheFrmEnv().Unload();

  chosen = FrmTray::mnu_About;
  RightClick();
  Window* about = FindLoadedForm("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(IsWindowVisible(about->hwnd()));
  about->Unload();
}
