#include "admin/admin_test_env.h"

#include "admin/frm_env.h"
#include "admin/frm_pass.h"
#include "admin/recovery_libraries.h"
#include "agent/menu_hook.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "ui/modal.h"

void AdminTest::SetUp() {
  TesselTest::SetUp();
  ASSERT_TRUE(agent.Load());
  SetDllDirectoryW(Widen(folder.path()).c_str());
}

void AdminTest::TearDown() {
  SetModalDriver(nullptr);
  UnhookMenuWindow();
  TheFrmEnv().Unload();
  TheFrmPass().Unload();
  agent.Unload();
  SetDllDirectoryW(nullptr);
  TesselTest::TearDown();
}

void AdminTest::Click(const Dialog& form, const std::string& name) {
  HWND control = form.controls()[name];
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(form.controls().IdOf(name), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

void AdminTest::Type(const Dialog& form, const std::string& name, const std::string& text) {
  form.controls().SetText(name, text);
}

std::vector<std::string> AdminTest::Boxes() const {
  std::vector<std::string> shown;
  for (const MessageBoxRequest& box : boxes.shown) shown.push_back(box.caption + ": " + box.text);
  return shown;
}

void AdminTest::InstallRecoveryLibrary(const char* library, const std::string& answers) {
  std::string name = std::string(library) + ".dll";
  CopyFileW(Widen(std::string(RECOVERY_DOUBLES) + "\\" + name).c_str(), Widen(Path(name)).c_str(), FALSE);
  WriteTextFile(Path("recovery-double.ini"), std::string("[") + library + "]\r\n" + answers, true, true);
  ProbeRecoveryLibraries();
}
