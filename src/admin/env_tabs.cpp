#include "admin/env_tabs.h"

#include "admin/cd_key_panel.h"
#include "admin/ip_table_panel.h"

namespace {
template <class Panel>
std::function<std::unique_ptr<EnvPanel>()> Make() {
  return [] { return std::make_unique<Panel>(); };
}

std::function<std::unique_ptr<EnvPanel>()> Empty(const char* name) {
  return [name] { return std::make_unique<EmptyPanel>(name); };
}
}  // namespace

const std::vector<EnvTab>& EnvTabs() {
  static const std::vector<EnvTab> tabs = {
      {"IP 설정", false, nullptr, Make<IpTablePanel>()},
      {"시작프로그램", false, nullptr, Empty("pnlStartProgram")},
      {"바탕화면", false, nullptr, Empty("pnlDesktop")},
      {"아이콘 관리", false, nullptr, Empty("pnlIcons")},
      {"게임패치", false, nullptr, Empty("pnlPatch")},
      {"시디키/복구", false, nullptr, Make<CdKeyPanel>()},
      {"게임 동기화", true, "PS", Empty("pnlSync")},
      {"폴더 미러링", true, nullptr, nullptr},
      {"게임 실행기", false, nullptr, Empty("pnlLauncher")},
  };
  return tabs;
}
