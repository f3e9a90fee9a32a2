#include "store/client_settings.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/test_env.h"

namespace {
using ClientSettingsTest = TesselTest;
constexpr const char* kDesktop = "Control Panel\\Desktop";
}  // namespace

TEST_F(ClientSettingsTest, AMissingFileKeepsEveryDefault) {
  LoadClientSettings();
  EXPECT_EQ(TheApp().Settings.Display, "1024×768,32bit,60Hz");
  EXPECT_EQ(TheApp().Settings.ltype, 0);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "none"), "none");
}

TEST_F(ClientSettingsTest, ReadsTheAnsiFileAndWritesTheTimeoutsForAFixedDesktop) {
  WriteBytes("env.mts", "[ENV]\r\nMLogo=\xB7\xCE\xB0\xED.jpg\r\nDeskFix=1\r\nltype=2\r\n");
  LoadClientSettings();
  EXPECT_EQ(TheApp().Settings.MLogo, "로고.jpg");
  EXPECT_EQ(TheApp().Settings.ltype, 2);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout"), "5000");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout"),
            "10000");
}

TEST_F(ClientSettingsTest, DeskFixOffWritesNoTimeouts) {
  WriteBytes("env.mts", "DeskFix=0\nBad line\n\n=5\n");
  LoadClientSettings();
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "none"), "none");
}
