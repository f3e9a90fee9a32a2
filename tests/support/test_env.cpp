#include "support/test_env.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/agent_wiring.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/system_info.h"
#include "store/text_codec.h"

namespace {
std::string UniqueName(const char* kind) {
  static std::atomic<int> counter{0};
  return std::string("tessel-") + kind + "-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
}

HKEY CreatePrivateKey(const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}
}  // namespace

TempFolder::TempFolder() : TempFolder([] {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  return Narrow(temp);
}()) {}

TempFolder::TempFolder(std::string_view parent) : path_(JoinPath(parent, UniqueName("test"))) {
  CreateDirectoryW(Widen(path_).c_str(), nullptr);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Widen(path_)), ignored);
}

std::string TempFolder::operator/(std::string_view name) const { return JoinPath(path_, name); }

ScopedEnvironmentValue::ScopedEnvironmentValue(const wchar_t* name, const std::string& value) : name_(name) {
  std::wstring old(32767, L'\0');
  DWORD length = GetEnvironmentVariableW(name, old.data(), static_cast<DWORD>(old.size()));
  if (length) old_ = old.substr(0, length);
  SetEnvironmentVariableW(name, Widen(value).c_str());
}

ScopedEnvironmentValue::~ScopedEnvironmentValue() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

void TesselTest::SetUp() {
  App& app = ResetApp();
  app.ProgramFolder = folder.path();
  app.EnvFile = Path("env.mts");
  ConnectAgentReceivers();

  registryRoot_ = "Software\\TesselTests\\" + UniqueName("registry");
  HKEY user = CreatePrivateKey(registryRoot_ + "\\HKCU");
  HKEY machine = CreatePrivateKey(registryRoot_ + "\\HKLM");
  ASSERT_TRUE(user && machine) << "private registry keys";
  ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user), ERROR_SUCCESS);
  ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine), ERROR_SUCCESS);
  RegCloseKey(user);
  RegCloseKey(machine);

  boxes.Install();
  launches.Install();
}

void TesselTest::TearDown() {
  UninstallRecorders();
  ClearSpecialFolderStandIns();
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegDeleteTreeW(HKEY_CURRENT_USER, Widen(registryRoot_).c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, Widen(registryRoot_).c_str());
}

void TesselTest::WriteBytes(std::string_view name, std::string_view bytes) const {
  std::ofstream out(std::filesystem::path(Widen(Path(name))), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TesselTest::ReadBytes(std::string_view name) const {
  std::ifstream in(std::filesystem::path(Widen(Path(name))), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}
