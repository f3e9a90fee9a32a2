#include "upkeep/network_identity.h"

#include <gtest/gtest.h>

#include "app/frm_tray.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"

namespace {
constexpr const char* kIpc =
    "[TCPIP]\r\nSM=255.255.255.0\r\nGW=10.0.0.1\r\nDNS1=168.126.63.1\r\nDNS2=168.126.63.2\r\n"
    "[SIP]\r\nTESSEL=10.0.0.2\r\nVENDARA=10.0.0.3\r\nPC=7\r\n[IP]\r\n7=10.0.0.107\r\n8=10.0.0.108\r\n";

class NetworkIdentityTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    OverrideSpecialFolder(37, "C:\\WINDOWS\\system32");
    // Each read of the address takes the next one; the last one stays.
    SetNetworkSystem({[this] {
                        std::string ip = currentIps.front();
                        if (currentIps.size() > 1) currentIps.erase(currentIps.begin());
                        return ip;
                      },
                      [this](const IpTarget& target) { adapterRoute.push_back(target.ip); }});
    agent.Load();
  }
  void TearDown() override {
    SetNetworkSystem({});
    TheFrmTray().Unload();
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    TesselTest::TearDown();
  }
  std::string SvrIP() { return RegReadString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "none"); }

  std::vector<std::string> currentIps{""}, adapterRoute;
  TestAgent agent;
};
}  // namespace

TEST_F(NetworkIdentityTest, ChangIpWritesTheBatchAndRunsItHiddenWhenThisPcHasAnAddress) {
  ASSERT_TRUE(TheFrmTray().Load());
  for (const char* ipc : {"[SIP]\r\nTESSEL=10.0.0.2\r\n[IP]\r\n7=10.0.0.107\r\n", "[SIP]\r\nPC=9\r\n[IP]\r\n7=x\r\n"}) {
    WriteBytes("ipc.ini", ipc);
    TheFrmTray().ChangIP();
    EXPECT_FALSE(FileExists(Path("ipSet.bat"))) << ipc;
  }
  EXPECT_TRUE(launches.started.empty());

  WriteBytes("ipc.ini", kIpc);
  WriteBytes("ip.txt", "old dump");
  TheFrmTray().ChangIP();
  // The connection's Korean name in the ANSI code page.
  const std::string netsh = "C:\\WINDOWS\\system32\\netsh -c ";
  const std::string name = "name=\"\xB7\xCE\xC4\xC3 \xBF\xB5\xBF\xAA \xBF\xAC\xB0\xE1\"";
  EXPECT_EQ(ReadBytes("ipSet.bat"),
            netsh + "int ip set address " + name + " source=static addr=10.0.0.107 mask=255.255.255.0 gateway=10.0.0.1"
            " gwmetric=0\r\n" +
            netsh + "int ip set dns " + name + " source=static addr=168.126.63.1 register=PRIMARY\r\n" +
            netsh + "int ip add dns " + name + " addr=168.126.63.2 index=2\r\n" +
            netsh + "int ip set wins " + name + " source = static addr = none\r\n" +
            netsh + "interface dump > ip.txt\r\n");
  EXPECT_FALSE(FileExists(Path("ip.txt"))) << "the old dump is removed";
  ASSERT_EQ(launches.started.size(), 1u);
  EXPECT_EQ(launches.started[0].file, Path("ipSet.bat"));
  EXPECT_EQ(launches.started[0].show, SW_HIDE);
}

TEST_F(NetworkIdentityTest, TheAddressInPlaceIsReportedAndTheAdapterRouteIsTriedOnce) {
  WriteBytes("ipc.ini", kIpc);
  auto target = ReadIpTarget();
  ASSERT_TRUE(target);
  currentIps = {"192.168.0.5"};
  EXPECT_FALSE(CompleteIpChange(*target));
  EXPECT_EQ(adapterRoute, std::vector<std::string>{"10.0.0.107"});
  EXPECT_EQ(SvrIP(), "none") << "a failure stays quiet";
  EXPECT_TRUE(agent.received.empty());

  currentIps = {"10.0.0.107"};
  EXPECT_TRUE(CompleteIpChange(*target));
  EXPECT_EQ(adapterRoute.size(), 1u) << "not needed";
  EXPECT_EQ(SvrIP(), "10.0.0.2");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trelane\\vdclt\\NETCONFIG", "Server"), "10.0.0.3");
  EXPECT_EQ(agent.Texts(), std::vector<std::string>{"IP"});

  currentIps = {"192.168.0.5", "10.0.0.107"};
  target->tesselServer.clear();
  EXPECT_TRUE(CompleteIpChange(*target)) << "in place after the adapter route";
  EXPECT_EQ(SvrIP(), "10.0.0.2") << "no empty server address";
  EXPECT_EQ(agent.Texts(), (std::vector<std::string>{"IP", "IP"}));
}

TEST_F(NetworkIdentityTest, ComputerNameKeepsTheNumberAsGivenAndPcNumAsAnInteger) {
  const char* tcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
  SetComputerName("PC", "007");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PcNum"), "7");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, tcpip, "NV Hostname"), "PC007");
  SetComputerName(" ", "");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PcNum"), "0");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, tcpip, "NV Hostname"), "PC007") << "a blank name is not written";
}
