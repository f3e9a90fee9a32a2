#include "admin/settings_info.h"

#include <gtest/gtest.h>

#include "admin/settings_file_maker.h"
#include "store/cipher.h"
#include "store/files.h"
#include "support/test_env.h"
#include "upkeep/program_archives.h"

using SettingsInfoTest = TesselTest;

TEST_F(SettingsInfoTest, TheFileIsReadOnceWithItsEncipheredPartsDeciphered) {
  std::string path = Path("info.ini");
  WriteTextFile(path,
                SettingsInfoText("비밀<번호",
                                 "[ip]\r\n1=10.0.0.1,{K1}\r\n"  // before cnt: no table yet
                                 "\r\n  [Dns]  \r\n CNT = 3 \r\nPc=PC\r\nsm=255.255.255.0\r\ngw=10.0.0.254\r\n"
                                 "dns1=1.1.1.1\r\ndns2=\r\nno equals sign\r\n[OTHER]\r\npc=ignored\r\n"
                                 "[IP]\r\n2=10.0.0.2,{스타키},,{K3},not enciphered,{K5},{K6}\r\n"
                                 "4=10.0.0.4,{K1}\r\n-1=10.0.0.9\r\n3=10.0.0.3\r\n"),
                false, false);
  auto info = ReadSettingsInfo(path);
  ASSERT_TRUE(info);
  EXPECT_FALSE(FileExists(path)) << "the plain file does not outlive its read";
  EXPECT_EQ(info->password, "비밀번호") << "every < removed";
  EXPECT_EQ(info->count, 3);
  EXPECT_EQ(info->prefix, "PC");
  EXPECT_EQ(info->gateway, "10.0.0.254");
  EXPECT_EQ(info->dns2, "");
  ASSERT_EQ(info->pcs.size(), 2u) << "PC 1 came before cnt, PC 4 is beyond it, -1 is no number";
  const PcSettings& second = info->pcs.at(2);
  EXPECT_EQ(second.ip, "10.0.0.2");
  EXPECT_EQ(second.keys, (std::array<std::string, 5>{"스타키", "", "K3", "", "K5"}))
      << "a key that is not enciphered reads as none; a sixth is ignored";
  EXPECT_EQ(info->pcs.at(3).keys[0], "");

  EXPECT_FALSE(ReadSettingsInfo(path)) << "gone";
  WriteTextFile(path, "not enciphered\r\n[DNS]\r\ncnt=99999999999\r\n", false, false);
  info = ReadSettingsInfo(path);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->password, "");
  EXPECT_EQ(info->count, kMostSettingsPcs);
}

TEST_F(SettingsInfoTest, TheSettingsArchiveUnpacksIntoTheHtmFolder) {
  EXPECT_FALSE(ExtractArchive('I')) << "no Tessel.Pwk";
  WriteSettingsArchive(Path("Tessel.Pwk"), SettingsInfoText("pw", "[DNS]\r\ncnt=1\r\n"));
  EXPECT_TRUE(ExtractArchive('I'));
  auto info = ReadSettingsInfo(Path("Skin\\htm\\info.ini"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->password, "pw");

  WriteBytes("Tessel.Pwk", "PK\x03\x04 damaged");
  EXPECT_TRUE(ExtractArchive('I')) << "true whenever the file exists";
  EXPECT_FALSE(FileExists(Path("Skin\\htm\\info.ini")));
  EXPECT_FALSE(ExtractArchive('X'));
}
