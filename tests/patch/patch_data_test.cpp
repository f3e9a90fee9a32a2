#include <windows.h>

#include <gtest/gtest.h>

#include "patch/engine_files.h"
#include "patch/module_settings_save.h"
#include "patch/patch_data.h"
#include "patch/patch_groups.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
class PatchDataTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin\\htm"));
  }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
  std::string Text(const std::string& name) { return AnsiToUtf8(ReadBytes(name)); }
  const std::vector<PatchDescriptor>& Table() { return TheApp().Patch.descriptors; }
  void SetGpd(DWORD value) { RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPD", value); }
};

const char* kDescriptor =
    "[GPI_0]\r\nname=리니지\r\nin_name=LIN\r\np_type=2\r\npath1=C:\\Lineage\r\n"
    "[GPI_1]\r\nname=Auto\r\nin_name=auto\r\npath1=REG/HKLM/a\r\n";
}  // namespace

TEST_F(PatchDataTest, TheDescriptorIsReadOnceAndNeverOutlivesItsRead) {
  Write("Skin\\htm\\ziriv.gpi", kDescriptor);
  Write("Skin\\GP_Mod.ini", "[lin]\r\nID=owner\r\nPath1=D:\\Lin\r\n");
  LoadPatchData();
  ASSERT_EQ(TheApp().Patch.DescriptorCount(), 2u);
  EXPECT_FALSE(FileExists(Path("Skin\\htm\\ziriv.gpi")));
  EXPECT_EQ(Table()[1].id, "owner");
  EXPECT_EQ(Table()[1].path1, "D:\\Lin");
  EXPECT_EQ(FindDescriptor("Auto"), 2u);

  // GPD 2 keeps the table and lays the settings over it again; below 2 reads afresh, and with
  // neither archive nor descriptor the table keeps what it had.
  Write("Skin\\GP_Mod.ini", "[LIN]\r\nid=changed\r\n");
  SetGpd(2);
  Write("Skin\\htm\\ziriv.gpi", "[GPI_0]\r\nin_name=other\r\n");
  LoadPatchData();
  EXPECT_EQ(TheApp().Patch.DescriptorCount(), 2u);
  EXPECT_EQ(Table()[1].id, "changed");
  SetGpd(1);
  LoadPatchData();
  ASSERT_EQ(TheApp().Patch.DescriptorCount(), 1u);
  EXPECT_EQ(Table()[1].in_name, "other");
  EXPECT_FALSE(FileExists(Path("Skin\\htm\\ziriv.gpi")));
  LoadPatchData();
  EXPECT_EQ(TheApp().Patch.DescriptorCount(), 1u);
}

TEST_F(PatchDataTest, SavingOneGameTakesEitherRoadAndChecksManualPaths) {
  Write("Skin\\htm\\ziriv.gpi", kDescriptor);
  LoadPatchData();
  ModuleSettingEdit edit{"user", "", "", "", "0", "Online", "온라인게임", "30"};
  EXPECT_FALSE(SaveModuleSetting(1, edit));
  edit.path1 = "자동경로";
  EXPECT_FALSE(SaveModuleSetting(1, edit));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "프로그램 경로가 지정되지 않았습니다!!\n프로그램 경로를 입력하세요!!");
  EXPECT_EQ(boxes.shown[1].text, "자동으로 설정할 수 없습니다!!\n프로그램 경로를 입력하세요!!");
  EXPECT_FALSE(FileExists(Path("Skin\\GP_Mod.ini"))) << "nothing is written when a check fails";

  edit.path1 = "E:\\Lin";
  ASSERT_TRUE(SaveModuleSetting(1, edit));
  EXPECT_EQ(Text("Skin\\GP_Mod.ini"),
            "[LIN]\r\nID=user\r\nPwd=\r\nPath1=E:\\Lin\r\nPath2=\r\ncate=Online\r\ncname=온라인게임\r\nlsize=0\r\n"
            "timer=30\r\n");
  EXPECT_EQ(Table()[1].cname, "온라인게임");

  edit.path1 = "typed but ignored";
  edit.lsize = "500";
  ASSERT_TRUE(SaveModuleSetting(2, edit));  // the file exists now: the INI store writes the section
  ClsINI saved(Path("Skin\\GP_Mod.ini"), "auto");
  EXPECT_EQ(saved.OpenINI("Path1"), "자동경로");
  EXPECT_EQ(saved.OpenINI("lsize"), "500");
  EXPECT_EQ(ClsINI(Path("Skin\\GP_Mod.ini"), "LIN").OpenINI("Path1"), "E:\\Lin");
}

TEST_F(PatchDataTest, TheInstallScanAnswerReachesRegistryModuleSettingsAndGroup) {
  Write("Skin\\htm\\ziriv.gpi", kDescriptor);
  LoadPatchData();
  Write("Skin\\GP_Mod.ini", "[LIN]\r\nID=keep\r\n");
  Write("Skin\\GP_Group.ini", "[GP0007]\r\nGname=mine\r\nData=x,\r\n");
  Write("gpstate.ini", "LIN,D:/Games//Lineage\r\nauto,C:\\Auto\r\nmissing,\r\n");
  ReadInstallScan(Path("gpstate.ini"));

  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kInstallPathsKey, "LIN"), "D:\\Games\\Lineage");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kInstallPathsKey, "auto"), "C:\\Auto");
  EXPECT_EQ(Text("Skin\\GP_Mod.ini"), "[LIN]\r\nID=keep\r\nPath1=D:\\Games\\Lineage\r\n")
      << "the automatic game gets no owner path";
  auto groups = LoadGroups();
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[1].section, "GP0008");
  EXPECT_EQ(groups[1].Gname, "설치된 게임목록");
  EXPECT_EQ(groups[1].Data, "LIN,auto,");
  EXPECT_FALSE(FileExists(Path("gpstate.ini")));
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kTesselKey, "dwGSH"), 1u);
  EXPECT_EQ(Table()[1].path1, "D:\\Games\\Lineage");

  Write("gpstate.ini", "auto,C:\\Auto2\r\nLIN,E:\\Lin\r\n");
  HANDLE busy = CreateFileW(Widen(Path("Skin\\GP_Mod.ini")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ReadInstallScan(Path("gpstate.ini"));
  CloseHandle(busy);
  EXPECT_EQ(LoadGroups()[1].Data, "auto,LIN,") << "a second scan replaces the group's members";
  EXPECT_EQ(Text("Skin\\GP_Mod.ini"), "[LIN]\r\nID=keep\r\nPath1=D:\\Games\\Lineage\r\n")
      << "a settings file that cannot be read is not rebuilt from nothing";
}

TEST_F(PatchDataTest, TheInstallScanRunsTheEngineInItsFolder) {
  Write("Skin\\htm\\ziriv.gpi", kDescriptor);
  LoadPatchData();
  RegWriteDword(HKEY_LOCAL_MACHINE, kEngineStateKey, "dwState", 5);
  launches.result = true;
  RunInstallScan();
  ASSERT_EQ(launches.started.size(), 1u);
  EXPECT_EQ(launches.started[0].file, "\"" + Path("VdGp.exe") + "\" -isinstall2");
  EXPECT_EQ(launches.started[0].road, LaunchRequest::Road::Direct);
  EXPECT_EQ(RegReadDword(HKEY_LOCAL_MACHINE, kEngineStateKey, "dwState", 9), 0u);
  EXPECT_EQ(Text("Ziriv.gpi").substr(0, 36), "[GPI_0]\r\nin_name=LIN\r\npath1=C:\\Linea");
}

TEST_F(PatchDataTest, GroupsAreNumberedRenamedAndDeletedInOneStep) {
  EXPECT_EQ(CreateGroup("first"), "GP0001");
  EXPECT_EQ(CreateGroup("second"), "GP0002");
  SetGroupData("GP0002", "a,b,");
  RenameGroup("GP0001", "renamed");
  DeleteGroup("GP0001");
  auto groups = LoadGroups();
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].Gname, "second");
  EXPECT_EQ(groups[0].Data, "a,b,");
  EXPECT_EQ(CreateGroup("third"), "GP0003");
}
