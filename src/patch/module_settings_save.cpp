#include "patch/module_settings_save.h"

#include "patch/patch_data.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/cipher.h"
#include "store/ini.h"
#include "store/text_util.h"
#include "ui/message_box.h"

namespace {
constexpr const char* kAskForPath = "\n프로그램 경로를 입력하세요!!";

void Store(const PatchDescriptor& game) {
  const std::pair<const char*, const std::string*> values[] = {
      {"ID", &game.id},     {"Pwd", &game.pwd},   {"Path1", &game.path1}, {"Path2", &game.path2},
      {"cate", &game.cate}, {"cname", &game.cname}, {"lsize", &game.lsize}, {"timer", &game.timer},
  };
  if (FileExists(ModuleSettingsFile())) {
    ClsINI settings(ModuleSettingsFile(), game.in_name);
    for (const auto& [key, value] : values) settings.SaveINI(key, *value);
    return;
  }
  std::string lines = "[" + game.in_name + "]";
  for (const auto& [key, value] : values) lines += std::string("\r\n") + key + "=" + *value;
  WriteTextFile(ModuleSettingsFile(), lines, true, true);
}
}  // namespace

bool SaveModuleSetting(size_t index, const ModuleSettingEdit& edit) {
  auto& descriptors = TheApp().Patch.descriptors;
  if (index == 0 || index >= descriptors.size()) return false;
  PatchDescriptor& game = descriptors[index];
  bool automatic = game.autoPathFlag == '1';
  if (!automatic && Trim(edit.path1).empty()) {
    ShowWarning(std::string("프로그램 경로가 지정되지 않았습니다!!") + kAskForPath);
    return false;
  }
  if (!automatic && Trim(edit.path1) == kAutomaticPath) {
    ShowWarning(std::string("자동으로 설정할 수 없습니다!!") + kAskForPath);
    return false;
  }
  game.id = edit.id;
  game.pwd = edit.password.empty() ? std::string() : EncipherText(edit.password);
  game.path1 = automatic ? std::string(kAutomaticPath) : edit.path1;
  game.path2 = automatic ? std::string(kAutomaticPath) : edit.path2;
  game.lsize = edit.lsize;
  game.cate = edit.cate;
  game.cname = edit.cname;
  game.timer = edit.timer;
  Store(game);
  return true;
}
