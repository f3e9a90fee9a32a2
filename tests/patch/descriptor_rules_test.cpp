#include <gtest/gtest.h>

#include "patch/descriptor_file.h"
#include "patch/engine_texts.h"
#include "patch/module_setting_rules.h"

namespace {
PatchDescriptor One(const std::string& body) {
  auto records = ParseDescriptors("[GPI_0]\r\n" + body);
  EXPECT_EQ(records.size(), 2u);
  return records.at(1);
}
}  // namespace

TEST(DescriptorFile, DerivedFlagsFollowTheKeysAsGiven) {
  struct Case {
    const char* body;
    char account, automatic;
    const char *path1, *path2, *gcode;
  } cases[] = {
      {"p_type=2\npath1=REG/HKLM/x\n", '1', '1', "자동경로", "자동경로", ""},
      {"p_type=5\npath1=ini/a.ini\npath2=D:\\two\n", '1', '1', "자동경로", "D:\\two", ""},
      {"p_type=6\npath1=C:\n", '0', '0', "C:", "", ""},
      {"p_type=1\npath2=\npath1=REG/x\n", '0', '1', "자동경로", "", ""},  // path2 before path1 sees no flag
      {"P_TYPE=3\nPath1=C:\\Game\nINFO=a/b/c/d\n", '1', '0', "C:\\Game", "", "c"},
      {"info=a/b\n", '0', '0', "", "", ""},
  };
  for (const Case& c : cases) {
    PatchDescriptor record = One(c.body);
    EXPECT_EQ(record.accountFlag, c.account) << c.body;
    EXPECT_EQ(record.autoPathFlag, c.automatic) << c.body;
    EXPECT_EQ(record.ownerPathFlag, '0') << c.body;
    EXPECT_EQ(record.path1, c.path1) << c.body;
    EXPECT_EQ(record.path2, c.path2) << c.body;
    EXPECT_EQ(record.GCode, c.gcode) << c.body;
  }
}

TEST(DescriptorFile, RecordsInFileOrderWithDefaultsAndValuesKeptAsWritten) {
  auto records = ParseDescriptors(
      "name=before any section\n"
      "[A]\n  Name =  Lineage  \nin_name=LIN\ntimer=\ncmpy=NC\nnoequals\nunknown=1\n"
      "[B]\nin_name=mx\ntimer=45\nsync=2\nsync_reg1=R\\HKLM\\x\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].name, "Lineage");
  EXPECT_EQ(records[1].in_name, "LIN");
  EXPECT_EQ(records[1].timer, "20");
  EXPECT_EQ(records[1].cate, "Best");
  EXPECT_EQ(records[1].cname, "인기게임");
  EXPECT_EQ(records[1].lsize, "0");
  EXPECT_EQ(records[2].timer, "45");
  EXPECT_EQ(records[2].sync_reg1, "R\\HKLM\\x");
  EXPECT_TRUE(records[0].name.empty());
}

TEST(ModuleSettings, OverlayRespectsAccountAndAutomaticPaths) {
  auto settings = ParseModuleSettings(
      "path1=slot zero\n"
      "[ABC]\nID=owner\npwd=secret\nPath1= D:\\Games\\Abc \npath2=자동경로\ncate=Online\ncname=\nlsize=300\ntimer= 60 \n"
      "[auto]\npath1=D:\\ignored\ncate=FPS\ncname=에프피에스\n"
      "[abc]\nid=second section never matches\n");
  ASSERT_EQ(settings.size(), 4u);
  EXPECT_EQ(settings[0].path1, "slot zero");
  ModuleSettingIndex index(settings);

  auto account = One("in_name=abc\np_type=4\npath1=C:\\Abc\npath2=C:\\Abc2\n");
  LayModuleSetting(account, index.Find(account.in_name));
  EXPECT_EQ(account.id, "owner");
  EXPECT_EQ(account.pwd, "secret");
  EXPECT_EQ(account.path1, "D:\\Games\\Abc");
  EXPECT_EQ(account.ownerPathFlag, '1');
  EXPECT_EQ(account.path2, "C:\\Abc2") << "the automatic word sets no path";
  EXPECT_EQ(account.cate, "Best") << "a category needs both parts";
  EXPECT_EQ(account.lsize, "300");
  EXPECT_EQ(account.timer, "60");

  auto plain = One("in_name=ABC\np_type=1\nid=from descriptor\n");
  LayModuleSetting(plain, index.Find(plain.in_name));
  EXPECT_EQ(plain.id, "from descriptor") << "accounts reach only games of type 2 to 5";

  auto automatic = One("in_name=AUTO\npath1=REG/x\n");
  LayModuleSetting(automatic, index.Find(automatic.in_name));
  EXPECT_EQ(automatic.path1, "자동경로");
  EXPECT_EQ(automatic.ownerPathFlag, '0');
  EXPECT_EQ(automatic.cate, "FPS");
  EXPECT_EQ(automatic.cname, "에프피에스");

  EXPECT_EQ(index.Find(""), nullptr) << "slot 0 never matches";
}

TEST(EngineTexts, JobCarriesTheDescriptorsPathsAndNoPanelFields) {
  auto automatic = One("name=Auto\nin_name=au\np_type=2\npath1=REG/HKLM/x\ninfo=1/2/G7\nsync=1\n");
  automatic.id = "me";
  automatic.pwd = "ENC==";
  auto manual = One("name=Man\nin_name=mn\npath1=C:\\Man\npath2=C:\\Man2\n");
  std::string job = PatchJobText({&automatic, &manual});
  EXPECT_NE(job.find("[GPI_0]\r\nname=Auto\r\nin_name=au\r\np_type=2\r\npath1=REG/HKLM/x\r\npath2=\r\n"),
            std::string::npos);
  EXPECT_NE(job.find("id=me\r\npwd=ENC==\r\n"), std::string::npos);
  EXPECT_NE(job.find("[GPI_1]\r\nname=Man\r\nin_name=mn\r\np_type=\r\npath1=C:\\Man\r\npath2=C:\\Man2\r\n"),
            std::string::npos);
  EXPECT_TRUE(job.ends_with("actx=\r\ntimer=20\r\n"));
  for (const char* absent : {"info=", "sync", "cate=", "cname=", "lsize="}) EXPECT_EQ(job.find(absent), std::string::npos);
}

TEST(EngineTexts, InstallScanRequestAndAnswer) {
  std::vector<PatchDescriptor> table(1);
  table.push_back(One("in_name=au\npath1=INI/a.ini\ng_module=a.exe\nbasefolder=A\n"));
  table.push_back(One("in_name=mn\npath1=C:\\Man\npath2=D:\\x\n"));
  EXPECT_EQ(InstallScanRequestText(table),
            "[GPI_0]\r\nin_name=au\r\npath1=INI/a.ini\r\npath2=\r\ng_module=a.exe\r\nbasefolder=A\r\n"
            "[GPI_1]\r\nin_name=mn\r\npath1=C:\\Man\r\npath2=D:\\x\r\ng_module=\r\nbasefolder=\r\n");

  auto games = ParseInstallScan(" au,C:/Games//Au \r\nmn,\r\nnocomma\r\nxy,D:\\\\X\\\\,extra\r\n");
  ASSERT_EQ(games.size(), 2u);
  EXPECT_EQ(games[0].in_name, "au");
  EXPECT_EQ(games[0].path, "C:\\Games\\Au");
  EXPECT_EQ(games[1].path, "D:\\X\\");
}
