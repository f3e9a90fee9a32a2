#include "patch/module_setting_rules.h"

#include <map>

#include "catalog/section_reader.h"
#include "store/text_util.h"

namespace {
using Field = std::string ModuleSetting::*;

const std::map<std::string, Field, std::less<>>& Fields() {
  static const std::map<std::string, Field, std::less<>> fields = {
      {"path1", &ModuleSetting::path1}, {"path2", &ModuleSetting::path2}, {"id", &ModuleSetting::id},
      {"pwd", &ModuleSetting::pwd},     {"cate", &ModuleSetting::cate},   {"cname", &ModuleSetting::cname},
      {"lsize", &ModuleSetting::lsize}, {"timer", &ModuleSetting::timer},
  };
  return fields;
}
}  // namespace

std::vector<ModuleSetting> ParseModuleSettings(std::string_view text) {
  std::vector<ModuleSetting> settings(1);
  SectionReader reader;
  reader.section = [&](std::string name) {
    if (settings.size() <= kMaxModuleSettings) settings.emplace_back().section = std::move(name);
  };
  reader.keyValue = [&](std::string_view key, std::string_view value) {
    if (auto field = Fields().find(key); field != Fields().end()) settings.back().*(field->second) = value;
  };
  reader.Read(text);
  return settings;
}

ModuleSettingIndex::ModuleSettingIndex(const std::vector<ModuleSetting>& settings) : settings_(settings) {
  for (size_t i = settings.size(); i-- > 1;) first_[ToLowerAscii(settings[i].section)] = i;
}

const ModuleSetting* ModuleSettingIndex::Find(std::string_view in_name) const {
  auto found = first_.find(ToLowerAscii(in_name));
  return found == first_.end() ? nullptr : &settings_[found->second];
}

bool IsUnsetPath(std::string_view path) {
  std::string trimmed = Trim(path);
  return trimmed.empty() || trimmed == kAutomaticPath;
}

void LayModuleSetting(PatchDescriptor& record, const ModuleSetting* setting) {
  if (record.timer.empty()) record.timer = "20";
  if (!setting) return;
  if (record.accountFlag == '1') {
    record.id = setting->id;
    record.pwd = setting->pwd;
  }
  if (record.autoPathFlag != '1') {
    if (!IsUnsetPath(setting->path1)) {
      record.path1 = Trim(setting->path1);
      record.ownerPathFlag = '1';
    }
    if (!IsUnsetPath(setting->path2)) record.path2 = Trim(setting->path2);
  }
  std::string cate = Trim(setting->cate), cname = Trim(setting->cname);
  if (!cate.empty() && !cname.empty()) {
    record.cate = cate;
    record.cname = cname;
  }
  if (std::string lsize = Trim(setting->lsize); !lsize.empty()) record.lsize = lsize;
  if (std::string timer = Trim(setting->timer); !timer.empty()) record.timer = timer;
}
