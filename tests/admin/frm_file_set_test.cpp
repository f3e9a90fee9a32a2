#include "admin/frm_file_set.h"

#include <gtest/gtest.h>

#include "admin/admin_test_env.h"
#include "admin/frm_pass.h"
#include "admin/settings_file_maker.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/launch.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "ui/modal.h"

namespace {
constexpr const char* kCafe =
    "[DNS]\r\ncnt=10\r\npc=PC\r\nsm=255.255.255.0\r\ngw=10.0.0.254\r\ndns1=168.126.63.1\r\ndns2=168.126.63.2\r\n"
    "[IP]\r\n7=10.0.0.7,{SC-777},,{SF-777},{SD-777},{SE-777}\r\n8=10.0.0.8\r\n";

class FrmFileSetTest : public AdminTest {
 protected:
  void SetUp() override {
    AdminTest::SetUp();
    SetNetworkSystem({[this] { return currentIp; }, [](const IpTarget&) {}});
    SetModalDriver([this](Window& form) {
      auto& login = static_cast<FrmPass&>(form);
      EXPECT_EQ(TheApp().LoginPurpose, "CA");
      Type(login, "Text1", typedPassword);
      Click(login, typedPassword.empty() ? "CButton1" : "cmdGAdd");
    });
  }
  void TearDown() override {
    SetNetworkSystem({});
    AdminTest::TearDown();
  }
  void Start(FrmFileSet& window, const std::string& pc) {
    Type(window, "txtPc", pc);
    Click(window, "cmdGAdd");
  }
  void Steps(FrmFileSet& window, std::initializer_list<int> ticked) {
    for (int i = 0; i < 7; ++i) window.controls().SetChecked(Indexed("Check1", i), false);
    for (int step : ticked) window.controls().SetChecked(Indexed("Check1", step), true);
  }
  std::vector<std::string> Results(FrmFileSet& window) {
    HWND list = window.controls()["List1"];
    std::vector<std::string> lines;
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
      wchar_t text[128] = {};
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      lines.push_back(Narrow(text));
    }
    return lines;
  }
  std::string GameFolder(const char* name) {
    CreateFolders(Path(name));
    return Path(name);
  }

  std::string typedPassword = "카페비번";
  std::string currentIp = "10.0.0.7";
};
}  // namespace

TEST_F(FrmFileSetTest, AMissingOrUnreadableSettingsFileClosesTheWindow) {
  FrmFileSet window;
  EXPECT_FALSE(window.Load());
  EXPECT_EQ(Boxes(), std::vector<std::string>{
                         "Tessel: 클라이언트 설정 파일(Tessel.PWK)이 존재하지 않습니다!!\r\nTessel 서버에서 "
                         "[메뉴]->[파일]->[클라이언트 설정(IP,시디키) 내보내기]를 하시면 클라이언트 설정파일이 "
                         "생성됩니다.\r\n생성된 파일을 현재 PC의 " + folder.path() + " 폴더에 넣어주십시오"});
  EXPECT_EQ(TheApp().FileSetResult, "NO");
  WriteBytes("Tessel.Pwk", std::string(300, 'P'));
  boxes.shown.clear();
  EXPECT_FALSE(window.Load());
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Tessel: 클라이언트 설정 파일 로드 하는데 실패 하였습니다!!"});
}

TEST_F(FrmFileSetTest, ThePcNumberAndThePasswordComeBeforeAnyChange) {
  WriteSettingsArchive(Path("Tessel.Pwk"), SettingsInfoText("카페비번", kCafe));
  FrmFileSet window;
  ASSERT_TRUE(window.Load());
  EXPECT_FALSE(FileExists(Path("Skin\\htm\\info.ini")));
  Steps(window, {5});
  for (const char* pc : {"", "0", "11"}) Start(window, pc);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"입력에러: PC번호를 입력하세요!!", "입력에러: PC번호를 다시 입력하세요!!",
                                                "입력에러: PC번호를 다시 입력하세요!!"}));
  EXPECT_EQ(GetFocus(), window.controls()["txtPc"]);
  boxes.shown.clear();
  typedPassword = "";
  Start(window, "7");
  typedPassword = "틀린비번";
  Start(window, "7");
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Tessel: 비밀번호가 일치하지 않습니다."});
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PcNum", "none"), "none") << "nothing changed";
}

TEST_F(FrmFileSetTest, TheKeyStepsRunTheKeyChangersAndListWhatCouldNotBeDone) {
  SetLaunchObserver(nullptr);  // the key changers really run
  WriteSettingsArchive(Path("Tessel.Pwk"), SettingsInfoText("카페비번", kCafe));
  CreateFolders(Path("key"));
  for (const char* code : {"SC", "SW", "SF", "SD", "SE"})
    CopyFileW(Widen(KEY_DOUBLE_EXE).c_str(), Widen(Path(std::string("key\\") + code + ".exe")).c_str(), FALSE);
  WriteTextFile(Path("key\\key-double.ini"), "[exit]\r\nSD=3\r\n", false, true);
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Blizzard Entertainment\\Starcraft", "InstallPath", GameFolder("스타"));
  RegWriteString(HKEY_CURRENT_USER, "Software\\Blizzard Entertainment\\Warcraft III", "InstallPathX",
                 GameFolder("워크") + "\\");
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Blizzard Entertainment\\Diablo II", "InstallPath", GameFolder("디아"));
  FrmFileSet window;
  ASSERT_TRUE(window.Load());
  Steps(window, {0, 1, 2, 3, 4, 5});
  Start(window, "7");
  EXPECT_EQ(Results(window), (std::vector<std::string>{"워크래프트3 레지스트리 경로 설정안됨!", "디아블로2 시디키 변경 실패!"}));
  auto log = ReadFileBytes(Path("key\\key-double.log"));  // UTF-8
  ASSERT_TRUE(log);
  EXPECT_EQ(*log, "SC|" + Path("스타") + "|SC-777|7\n" + "SF|" + Path("워크") + "\\.|SF-777|7\n" +
                                              "SD|" + Path("디아") + "|SD-777|7\n" + "SE|" + Path("디아") + "|SE-777|7\n");
  std::string ckey = std::string(kTesselKey) + "\\CKEY";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, ckey, "SC") + RegReadString(HKEY_CURRENT_USER, ckey, "SF") +
                RegReadString(HKEY_CURRENT_USER, ckey, "SD", "-") + RegReadString(HKEY_CURRENT_USER, ckey, "SE"),
            "11-1");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                          "ComputerName"),
            "PC07");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PcNum"), "7");
  EXPECT_TRUE(window.IsLoaded()) << "a run with failures stays";
  EXPECT_TRUE(window.controls().Enabled("cmdGAdd"));
  EXPECT_EQ(TheApp().FileSetResult, "NO");

  Start(window, "8");
  EXPECT_EQ(Results(window).size(), 5u) << "PC 8 has no keys: one line a kind";
  EXPECT_EQ(Results(window)[0], "스타크래프트 시디키 없음!");
}

TEST_F(FrmFileSetTest, TheNetworkStepWaitsForTheBatchAndACleanRunClosesTheWindow) {
  WriteSettingsArchive(Path("Tessel.Pwk"), SettingsInfoText("카페비번", kCafe));
  FrmFileSet window;
  ASSERT_TRUE(window.Load());
  Steps(window, {6});
  window.controls().SetChecked("Check2", true);
  currentIp = "10.0.0.99";
  Start(window, "7");
  EXPECT_FALSE(window.controls().Enabled("cmdGAdd")) << "until the batch has ended";
  EXPECT_EQ(window.controls().Text("Label5"), "네트워크 설정중..");
  ASSERT_EQ(launches.started.size(), 1u);
  EXPECT_EQ(launches.started[0].file, Path("ipSet.bat"));
  EXPECT_NE(ReadBytes("ipSet.bat").find("addr=10.0.0.7 mask=255.255.255.0 gateway=10.0.0.254"), std::string::npos);
  SendMessageW(window.hwnd(), WM_TIMER, FrmFileSet::kTimer1, 0);
  EXPECT_EQ(Results(window), std::vector<std::string>{"네트워크 설정 실패!!"});
  EXPECT_TRUE(window.IsLoaded());
  EXPECT_EQ(window.controls().Text("Label5"), "");

  currentIp = "10.0.0.7";
  Start(window, "7");
  SendMessageW(window.hwnd(), WM_TIMER, FrmFileSet::kTimer1, 0);
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(TheApp().FileSetResult, "OK");
}
