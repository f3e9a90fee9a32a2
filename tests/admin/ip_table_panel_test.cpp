#include "admin/ip_table_panel.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "admin/admin_test_env.h"
#include "admin/frm_env.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/registry.h"
#include "ui/list_view.h"

namespace {
class IpTableTest : public AdminTest {
 protected:
  void SetUp() override {
    AdminTest::SetUp();
    SetNetworkSystem(
        {[this] { return currentIp; }, [this](const IpTarget& target) { adapterTargets.push_back(target); }});
  }
  void TearDown() override {
    SetNetworkSystem({});
    AdminTest::TearDown();
  }
  IpTablePanel& Open() {
    OpenSettingsWindow();
    return *static_cast<IpTablePanel*>(TheFrmEnv().Panel(0));
  }
  // Types the group and presses cmdIPAdd; the texts of the warnings shown.
  std::vector<std::string> Add(IpTablePanel& panel, const char* first, const char* last, const char* ip) {
    boxes.shown.clear();
    Type(panel, "txtNum1", first);
    Type(panel, "txtNum2", last);
    Type(panel, "txtSIp", ip);
    Click(panel, "cmdIPAdd");
    std::vector<std::string> texts;
    for (const auto& box : boxes.shown) texts.push_back(box.text);
    return texts;
  }
  std::vector<std::string> Column(IpTablePanel& panel, const char* list, int column) {
    HWND rows = panel.controls()[list];
    std::vector<std::string> cells;
    for (int row = 0; row < RowCount(rows); ++row) cells.push_back(CellText(rows, row, column));
    return cells;
  }
  void DoubleClickAddress(IpTablePanel& panel, int row) {
    SelectRow(panel.controls()["lvwIpLst"], row);
    NMHDR header{panel.controls()["lvwIpLst"], static_cast<UINT_PTR>(panel.controls().IdOf("lvwIpLst")),
                 static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(panel.hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  void Tick(IpTablePanel& panel) { SendMessageW(panel.hwnd(), WM_TIMER, IpTablePanel::kTimer2, 0); }

  std::string currentIp = "192.168.0.99";
  std::vector<IpTarget> adapterTargets;
};
}  // namespace

TEST_F(IpTableTest, AddingAGroupChecksItsBoxesInOrder) {
  IpTablePanel& panel = Open();
  ASSERT_TRUE(Add(panel, "1", "40", "192.168.0.1").empty());
  struct Case {
    const char *first, *last, *ip, *message, *focus;
  } cases[] = {
      {"", "", "", "시작 PC번호를 입력하세요!!", "txtNum1"},
      {"50", " ", "1.2.3.4", "끝 PC번호를 입력하세요!!", "txtNum2"},
      {"60", "50", "", "시작PC번호가 끝PC번호보다 큽니다!!\r\n다시 입력해주세요!!", "txtNum1"},
      {"50", "60", "  ", "시작 IP 주소를 입력하세요!!", "txtSIp"},
      {"50", "60", "10.0.1", "IP형식에 맞지 않습니다. 다시입력하세요!!", "txtSIp"},
      {"50", "60", "10.0.256.1", "IP형식에 맞지 않습니다. 다시입력하세요!!", "txtSIp"},
      {"50", "60", "10.0.0.x", "IP형식에 맞지 않습니다. 다시입력하세요!!", "txtSIp"},
      {"1", "255", "10.0.1.1", "255 이상 설정을 할수 없습니다.\r\nIP주소 끝자리를 다시 입력하세요!!", "txtSIp"},
      {"40", "45", "10.0.1.1", "시작 PC번호가 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!", "txtNum1"},
      {"45", "99", "10.0.1.1", "", ""},
      {"41", "44", "10.0.2.1", "", ""},
      {"100", "120", "10.0.1.30", "시작 IP주소는 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!", "txtSIp"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> shown = Add(panel, c.first, c.last, c.ip);
    if (!*c.message) {
      EXPECT_TRUE(shown.empty()) << c.first << "-" << c.last;
      continue;
    }
    EXPECT_EQ(shown, std::vector<std::string>{c.message}) << c.first << "-" << c.last << " " << c.ip;
    EXPECT_EQ(GetFocus(), panel.controls()[c.focus]) << c.message;
  }
  EXPECT_EQ(Add(panel, "30", "200", "10.9.9.1"),
            std::vector<std::string>{"시작 PC번호가 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!"});
  EXPECT_EQ(Add(panel, "0", "120", "10.9.9.1"),
            std::vector<std::string>{"끝 PC번호가 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!"})
      << "a range around a group overlaps it";
  EXPECT_EQ(Add(panel, "100", "101", "10.0.2.0").size(), 1u) << "so do addresses around a group's";
  EXPECT_EQ(Column(panel, "lvwIpGLst", 0), (std::vector<std::string>{"GP01", "GP02", "GP03"}));
  EXPECT_EQ(Column(panel, "lvwIpGLst", 1), (std::vector<std::string>{"1-40", "45-99", "41-44"}));
  std::vector<std::string> addresses = Column(panel, "lvwIpLst", 1);
  ASSERT_EQ(addresses.size(), 40u + 55u + 4u);
  EXPECT_EQ(addresses.front(), "192.168.0.1");
  EXPECT_EQ(addresses[39], "192.168.0.40");
  EXPECT_EQ(Column(panel, "lvwIpLst", 0)[40], "45");
  EXPECT_EQ(addresses.back(), "10.0.2.4");
}

TEST_F(IpTableTest, SavingRewritesTheAddressesAndDeletingAGroupTakesItOutAtOnce) {
  WriteTextFile(Path("ip.ini"),
                "[GROUP]\r\nGP01=1-3,10.0.0.1\r\nGP07=20-21,10.0.0.20\r\nGP08=bad\r\n[IP]\r\n99=10.9.9.9\r\n"
                "[PC]\r\nNAME=PC\r\n[TCPIP]\r\nSM=255.255.255.0\r\nGW=10.0.0.254\r\nDNS1=1.1.1.1\r\nDNS2=\r\n",
                false, false);
  IpTablePanel& panel = Open();
  EXPECT_EQ(Column(panel, "lvwIpGLst", 0), (std::vector<std::string>{"GP01", "GP07"}))
      << "a malformed group is skipped";
  EXPECT_EQ(panel.controls().Text("txtPc"), "PC");
  EXPECT_EQ(panel.controls().Text("txtGw"), "10.0.0.254");
  ASSERT_TRUE(Add(panel, "4", "5", "10.0.0.4").empty());
  EXPECT_EQ(Column(panel, "lvwIpGLst", 0).back(), "GP08") << "numbered after the last group";

  SendMessageW(panel.controls()["cboDns"], CB_SETCURSEL, 1, 0);
  SendMessageW(panel.hwnd(), WM_COMMAND, MAKEWPARAM(panel.controls().IdOf("cboDns"), CBN_SELCHANGE), 0);
  EXPECT_EQ(panel.controls().Text("txtDns1"), "168.126.63.1");
  EXPECT_EQ(panel.controls().Text("txtDns2"), "168.126.63.2");
  Type(panel, "txtPc", "GAME");
  Click(panel, "cmdIPSave");
  EXPECT_EQ(Boxes().back(), "Tessel: IP 설정 저장 완료!!");
  ClsINI ini(Path("ip.ini"), "IP");
  EXPECT_EQ(ini.KeyList().value_or(std::vector<std::string>{}),
            (std::vector<std::string>{"1", "2", "3", "20", "21", "4", "5"}))
      << "the IP section holds the table, nothing else";
  EXPECT_EQ(ini.OpenINI("5"), "10.0.0.5");
  ini.section = "GROUP";
  EXPECT_EQ(ini.OpenINI("GP08"), "4-5,10.0.0.4");
  EXPECT_EQ(ClsINI(Path("ip.ini"), "PC").OpenINI("NAME"), "GAME");
  EXPECT_EQ(ClsINI(Path("ip.ini"), "TCPIP").OpenINI("DNS2"), "168.126.63.2");

  SelectRow(panel.controls()["lvwIpGLst"], 1);
  boxes.answers = {IDCANCEL, IDOK};
  Click(panel, "cmdIPDel");
  EXPECT_EQ(boxes.shown.back().text, "그룹GP07를 삭제 하겠습니까?");
  EXPECT_EQ(panel.Groups().size(), 3u);
  SelectRow(panel.controls()["lvwIpGLst"], 1);
  Click(panel, "cmdIPDel");
  EXPECT_EQ(ClsINI(Path("ip.ini"), "GROUP").OpenINI("GP07"), "");
  EXPECT_EQ(Column(panel, "lvwIpGLst", 0), (std::vector<std::string>{"GP01", "GP08"}));
  Click(panel, "cmdIPSave");
  EXPECT_EQ(ClsINI(Path("ip.ini"), "IP").OpenINI("20"), "") << "the deleted group's rows leave the file";

  SendMessageW(panel.controls()["cboDns"], CB_SETCURSEL, 0, 0);
  SendMessageW(panel.hwnd(), WM_COMMAND, MAKEWPARAM(panel.controls().IdOf("cboDns"), CBN_SELCHANGE), 0);
  EXPECT_EQ(panel.controls().Text("txtDns1") + panel.controls().Text("txtDns2"), "") << "통신사 선택 clears both";
}

TEST_F(IpTableTest, AnAddressIsAppliedToThisPcThroughTheBatchAndChecked) {
  WriteTextFile(Path("ip.ini"),
                "[GROUP]\r\nGP01=1-3,10.0.0.1\r\n[PC]\r\nNAME=\r\n[TCPIP]\r\nSM=255.255.255.0\r\nGW=10.0.0.254\r\n"
                "DNS1=1.1.1.1\r\nDNS2=8.8.8.8\r\n",
                false, false);
  IpTablePanel& panel = Open();
  boxes.answers = {IDNO};
  DoubleClickAddress(panel, 2);
  EXPECT_EQ(boxes.shown[0].text, "현재 PC의 IP를 3 번으로 변경하겠습니까?\r\n컴퓨터 이름도 같이 변경합니다.");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));
  boxes.answers = {IDYES};
  DoubleClickAddress(panel, 2);
  EXPECT_EQ(boxes.shown.back().text, "컴퓨터 이름을 입력하지 않았습니다!!");
  EXPECT_TRUE(launches.started.empty());

  Type(panel, "txtPc", "PC");
  boxes.answers = {IDYES};
  DoubleClickAddress(panel, 2);
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                          "ComputerName"),
            "PC3");
  EXPECT_TRUE(IsWindowVisible(panel.controls()["pica"]));
  EXPECT_EQ(panel.controls().Text("pica"), "네트워크 설정 작업중입니다...");
  ASSERT_EQ(launches.started.size(), 1u);
  EXPECT_EQ(launches.started[0].file, Path("ipSet.bat"));
  EXPECT_NE(ReadBytes("ipSet.bat").find("addr=10.0.0.3 mask=255.255.255.0 gateway=10.0.0.254"), std::string::npos);

  Tick(panel);
  EXPECT_EQ(adapterTargets.size(), 1u) << "the batch did not do it: the adapter route once";
  EXPECT_EQ(Boxes().back(), "Tessel: 네트워크 설정 실패!!");
  EXPECT_FALSE(IsWindowVisible(panel.controls()["pica"]));

  currentIp = "10.0.0.1";
  boxes.answers = {IDYES};
  DoubleClickAddress(panel, 0);
  Tick(panel);
  EXPECT_EQ(adapterTargets.size(), 1u);
  EXPECT_EQ(Boxes().back(), "Tessel: 네트워크 설정 완료!!");
  EXPECT_EQ(boxes.shown.back().flags, static_cast<unsigned>(MB_OK | MB_ICONINFORMATION));

  launches.result = false;
  boxes.answers = {IDYES};
  DoubleClickAddress(panel, 0);
  EXPECT_EQ(Boxes().back(), "Tessel: 네트워크 설정 실패!!") << "the shell refused the batch";
  EXPECT_FALSE(IsWindowVisible(panel.controls()["pica"]));
}

TEST_F(IpTableTest, TheServerButtonsAskTheAgentAndAMissingFileLeavesThePanelEmpty) {
  IpTablePanel& panel = Open();
  EXPECT_EQ(RowCount(panel.controls()["lvwIpGLst"]), 0);
  Click(panel, "cmdIPImport");
  EXPECT_EQ(Sent(), std::vector<std::string>{"IPS"});
}
