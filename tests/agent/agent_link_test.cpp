#include "agent/agent_link.h"

#include <gtest/gtest.h>

#include "agent/agent_receivers.h"
#include "agent/menu_hook.h"
#include "app/frm_tray.h"
#include "menu/classic_menu.h"
#include "menu/frm_main.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"
#include "ui/twips.h"

namespace {
class AgentLinkTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(agent.Load());
    ASSERT_TRUE(menu.Load());
    HookMenuWindow(menu);
  }
  void TearDown() override {
    UnhookMenuWindow();
    TesselTest::TearDown();
  }
  std::string Stored(const char* name) { return RegReadString(HKEY_CURRENT_USER, kTesselKey, name, "-"); }
  void Env(const std::string& lines) { WriteTextFile(Path("env.mts"), "[ENV]\r\n" + lines, false, false); }

  TestAgent agent;
  TestMenuWindow menu;
};

using Texts = std::vector<std::string>;
}  // namespace

TEST_F(AgentLinkTest, SendsTheTextAsAZeroEndedAnsiRecordFromTheTray) {
  ASSERT_TRUE(TheFrmTray().Load());
  SendToAgent("IP", kAgentCommand);
  TheFrmTray().SendMsgCd("가나|7");
  SendToAgent(std::string(300, 'x'), kAgentCommand);
  TheFrmTray().Unload();
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

  ASSERT_EQ(agent.received.size(), 3u);
  EXPECT_EQ(agent.received[0].messageClass, 3u);
  EXPECT_EQ(agent.received[0].bytes, std::string("IP\0", 3)) << "every byte the record announces";
  EXPECT_NE(agent.received[0].sender, nullptr);
  EXPECT_EQ(agent.received[1].messageClass, 6u);
  EXPECT_EQ(agent.received[1].bytes, std::string("\xB0\xA1\xB3\xAA|7\0", 7)) << "code page 949 bytes";
  EXPECT_EQ(agent.received[2].bytes.size(), 255u) << "at most 254 characters and the zero";

  agent.Unload();
  SendToAgent("IP", kAgentCommand);  // without an agent window: simply returns
  EXPECT_EQ(agent.received.size(), 3u);
}

TEST_F(AgentLinkTest, ALongKoreanTextIsCutBetweenTwoCharactersNeverInsideOne) {
  std::string text = "x";
  for (int i = 0; i < 127; ++i) text += "가";  // 255 bytes in code page 949
  SendToAgent(text, kAgentCommand);
  std::string sent = "x";
  for (int i = 0; i < 126; ++i) sent += "\xB0\xA1";
  ASSERT_EQ(agent.received.size(), 1u);
  EXPECT_EQ(agent.received[0].bytes, sent + std::string(1, '\0'));
}

// The classic layout's A1 is proven on the real window end to end.
TEST_F(AgentLinkTest, CommandsAreTrimmedAndUpperCasedAndA1RebuildsTheBannersButtons) {
  TheApp().Settings.ltype = 1;
  EXPECT_EQ(SendCommand(menu.hwnd(), "  a1 "), 0);
  EXPECT_EQ(menu.calls, (Texts{"HideSkinnedWindow", "HidePopups", "ResetCategorySelection", "Load_CateF2",
                               "Load_CmdBtn", "Load_Image", "LoadButton(1)"}));
  EXPECT_EQ(agent.Texts(), Texts{"A1"});
  EXPECT_EQ(menu.OwnCount(WM_COPYDATA), 0) << "copy-data records stop at the hook";
}

TEST_F(AgentLinkTest, NoticesAndTheFloatingLoginReachTheSkinnedLayoutsOnly) {
  SendCommand(menu.hwnd(), "NB");
  SendCommand(menu.hwnd(), "FG");
  EXPECT_EQ(menu.calls, (Texts{"HideSkinnedWindow", "Load_Notice"}));
  EXPECT_EQ(TheApp().LoginPurpose, "");
  menu.calls.clear();
  TheApp().Settings.ltype = 2;
  SendCommand(menu.hwnd(), "NB");
  SendCommand(menu.hwnd(), "FG");
  EXPECT_EQ(menu.calls, (Texts{"HideSkinnedWindow", "ShowNotice", "Press(F1)"}));
  EXPECT_EQ(TheApp().LoginPurpose, "FG");
  menu.calls.clear();
  SendCommand(menu.hwnd(), "ALL");
  EXPECT_EQ(menu.calls, (Texts{"ResetCategorySelection", "HidePopups", "HideSkinnedWindow", "Load_CateF2",
                               "Load_CmdBtn", "Load_Image", "LoadButton(1)", "ShowNotice"}));
}

TEST_F(AgentLinkTest, PositionsAreStoredInTwipsUnderTheLayoutsNamesUnlessTheMenuIsMinimised) {
  ShowWindow(menu.hwnd(), SW_MINIMIZE);
  SendCommand(menu.hwnd(), "B2");
  SendCommand(menu.hwnd(), "WH");
  EXPECT_EQ(Stored("Left"), "-");

  ShowWindow(menu.hwnd(), SW_RESTORE);
  RECT place;
  GetWindowRect(menu.hwnd(), &place);
  SendCommand(menu.hwnd(), "XY");
  EXPECT_EQ(Stored("Left"), std::to_string(PixelsToTwipsX(place.left)));
  EXPECT_EQ(Stored("Top"), std::to_string(PixelsToTwipsY(place.top)));
  SendCommand(menu.hwnd(), "B2");
  TheApp().Settings.ltype = 2;
  SendCommand(menu.hwnd(), "B2");
  EXPECT_EQ(Stored("Left2"), std::to_string(PixelsToTwipsX(place.left)));
  EXPECT_EQ(agent.Texts(), (Texts{"HF", "HF", "XY", "B2", "B2"}));
  EXPECT_EQ(menu.calls, (Texts{"HideSkinnedWindow", "WidthHeightSet"})) << "the size only in the classic layout";
}

TEST_F(AgentLinkTest, MalformedRecordsAreIgnoredAndTheLinkKeepsWorking) {
  // Text that ends exactly at a page the program may not read: a read past it would crash.
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * system.dwPageSize, MEM_COMMIT, PAGE_READWRITE));
  DWORD old;
  VirtualProtect(pages + system.dwPageSize, system.dwPageSize, PAGE_NOACCESS, &old);
  char* unterminated = pages + system.dwPageSize - 2;
  unterminated[0] = 'X', unterminated[1] = 'Y';

  EXPECT_EQ(SendRecord(menu.hwnd(), 3, unterminated, 2), 0);
  EXPECT_EQ(SendRecord(menu.hwnd(), 3, "XY", 0), 0);
  EXPECT_EQ(SendRecord(menu.hwnd(), 3, nullptr, 3), 0);
  std::string longText(400, 'A');
  EXPECT_EQ(SendRecord(menu.hwnd(), 3, longText.c_str(), 400), 0);
  EXPECT_EQ(SendRecord(menu.hwnd(), 99, "XY", 3), 0);
  EXPECT_EQ(SendRecord(menu.hwnd(), 10, "server list", 12), 0) << "no settings window to take it";
  EXPECT_EQ(SendCommand(menu.hwnd(), "\xEC\x97\x91"), 0) << "a Korean command is unknown";
  EXPECT_EQ(SendMessageW(menu.hwnd(), WM_COPYDATA, 0, 0), 0) << "no record at all";
  VirtualFree(pages, 0, MEM_RELEASE);

  EXPECT_EQ(agent.Texts(), Texts{"XY"}) << "only the unterminated XY, read within its two bytes";
  SendCommand(menu.hwnd(), "XY");
  EXPECT_EQ(agent.Texts(), (Texts{"XY", "XY"}));
}

TEST_F(AgentLinkTest, A3ReloadsTheSettingsAnswersAndAppliesTheTimeouts) {
  Env("DESKFIX=1\r\nStart=2");
  SendCommand(menu.hwnd(), "A3");
  EXPECT_EQ(agent.Texts(), Texts{"A3"});
  EXPECT_EQ(TheApp().Settings.DeskFix, "1");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout"),
            "10000");
}

TEST_F(AgentLinkTest, PlacingHidingAndRestoringFollowTheLayout) {
  SendCommand(menu.hwnd(), "MV");
  SendCommand(menu.hwnd(), "HL");
  TheApp().Settings.ltype = 1;
  SendCommand(menu.hwnd(), "MV");
  ShowWindow(menu.hwnd(), SW_SHOW);
  SendCommand(menu.hwnd(), "CD");
  EXPECT_FALSE(IsWindowVisible(menu.hwnd()));
  SendCommand(menu.hwnd(), "rt");
  EXPECT_TRUE(IsWindowVisible(menu.hwnd()));
  EXPECT_FALSE(IsIconic(menu.hwnd()));
  EXPECT_EQ(menu.calls, (Texts{"HideSkinnedWindow", "Form_Location", "Form_Size", "Form_Location",  // classic MV, HL
                               "HideSkinnedWindow", "PlaceAtStoredPosition",                     // skinned MV
                               "HideSkinnedWindow", "HidePopups", "PlaceAtStoredPosition"}));    // CD, RT
  EXPECT_EQ(agent.Texts(), (Texts{"MV", "MV"}));
}

TEST_F(AgentLinkTest, LayoutSwitchToTheSameLayoutOnlyTurnsTheFixedElementAndToAnUnknownOneOnlyNotesIt) {
  Env("LType=0\r\nFixed=01");
  SendCommand(menu.hwnd(), "J2");
  Env("LType=0abc\r\nFixed=10");
  SendCommand(menu.hwnd(), "J2");
  Env("LType=0\r\nFixed=1");
  SendCommand(menu.hwnd(), "J2");
  EXPECT_EQ(menu.calls, (Texts{"Fixed(off)", "Fixed(on)"}));
  EXPECT_EQ(TheApp().Settings.Fixed, "1");

  Env("LType=7");
  SendCommand(menu.hwnd(), "J2");
  EXPECT_EQ(TheApp().Settings.ltype, 7);
  EXPECT_TRUE(menu.IsLoaded());
  EXPECT_EQ(HookedMenuWindow(), &menu);
  EXPECT_FALSE(TheApp().MenuUnloadAllowed);
}

TEST_F(AgentLinkTest, LayoutSwitchUnloadsTheOldWindowsFromInsideTheirOwnMessage) {
  UnhookMenuWindow();
  TestMenuWindow banner("frmMain2"), category("frmMain4");
  banner.Load();
  category.Load();
  HookMenuWindow(banner);
  TheApp().Settings.ltype = 1;
  Env("LType=0");
  SendCommand(banner.hwnd(), "J2");
  EXPECT_EQ(TheApp().Settings.ltype, 0);
  EXPECT_FALSE(banner.IsLoaded());
  EXPECT_FALSE(category.IsLoaded());
  EXPECT_EQ(HookedMenuWindow(), &TheFrmMain()) << "the classic window hooks itself";
  EXPECT_FALSE(TheApp().MenuUnloadAllowed) << "the switch takes the permission back";
  EXPECT_TRUE(menu.IsLoaded()) << "not a window of the skinned layouts";
  TheFrmMain().Unload();
}

TEST_F(AgentLinkTest, AfterSwitchingAwayAndBackTheCustomerStillCannotCloseTheClassicMenu) {
  UnhookMenuWindow();
  OpenFrmMain();
  HWND classic = TheFrmMain().hwnd();
  ASSERT_EQ(HookedMenuWindow(), &TheFrmMain());
  for (const char* layout : {"LType=3", "LType=0"}) {
    Env(layout);
    SendCommand(classic, "J2");
  }
  EXPECT_EQ(TheApp().Settings.ltype, 0);
  EXPECT_FALSE(TheApp().MenuUnloadAllowed) << "the permission ends with the switch";
  SendMessageW(classic, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(TheFrmMain().IsLoaded()) << "Alt+F4 leaves the menu and its hook in place";
  EXPECT_EQ(HookedMenuWindow(), &TheFrmMain());
  TheFrmMain().Unload();
}

TEST_F(AgentLinkTest, SettingsCommandsAndServerListsGoToTheSettingsWindowsReceivers) {
  Texts commands, lists;
  TheAgentReceivers().settingsCommand = [&](const std::string& command) { commands.push_back(command); };
  TheAgentReceivers().settingsText = [&](const std::string& text) { lists.push_back(text); };
  SendCommand(menu.hwnd(), " ips ");
  SendCommand(menu.hwnd(), "GF");
  SendCommand(menu.hwnd(), " 서버 목록 ", 10);
  EXPECT_EQ(commands, (Texts{"IPS", "GF"}));
  EXPECT_EQ(lists, Texts{" 서버 목록 "}) << "a class-10 text goes as it came";
  EXPECT_TRUE(agent.Texts().empty());
}
