#include "store/client_settings.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "store/registry.h"
#include "support/test_env.h"

using ClientSettingsTest = TesselTest;

TEST_F(ClientSettingsTest, ReadsTheAnsiFileAndWritesNoTimeoutsUnlessTheDesktopIsFixed) {
  LoadClientSettings();  // a missing file changes nothing
  WriteBytes("env.mts", "[ENV]\nMLogo=\xB7\xCE\xB0\xED.jpg\nBad line\n\n=5\nltype=2\nDeskFix=0\n");
  LoadClientSettings();
  EXPECT_EQ(TheApp().Settings.MLogo, "로고.jpg");
  EXPECT_EQ(TheApp().Settings.ltype, 2);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout", "none"), "none");
}
