#include "admin/recovery_libraries.h"

#include <windows.h>

#include <algorithm>
#include <tuple>

#include "state/app_state.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
using IntCall = int(WINAPI*)();
using VoidCall = void(WINAPI*)();
using GetRecModCall = void(WINAPI*)(char*, char*);
constexpr size_t kRecModLength = 10;

HMODULE g_lsrecnSession = nullptr;

class Library {
 public:
  explicit Library(RecoveryLibrary library) : module_(LoadLibraryW(Widen(RecoveryLibraryName(library)).c_str())) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  explicit operator bool() const { return module_ != nullptr; }
  template <class Call>
  Call Find(const char* name) const {
    return module_ ? reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_;
};

bool Loadable(RecoveryLibrary library) {
  const RecoveryState& state = TheApp().Recovery;
  switch (library) {
    case RecoveryLibrary::VdRcvrp: return state.vdRcvrpLoadable;
    case RecoveryLibrary::VdRcvrp2: return state.vdRcvrp2Loadable;
    case RecoveryLibrary::Lsrecn: return state.lsrecnLoadable;
    case RecoveryLibrary::VdRcv: return true;  // never probed: tried at each call
  }
  return false;
}

int CallInt(RecoveryLibrary library, const char* function) {
  if (!Loadable(library)) return 0;
  Library loaded(library);
  auto call = loaded.Find<IntCall>(function);
  return call ? call() : 0;
}

std::string Cleaned(const char* buffer) { return Trim(RemoveNuls(std::string_view(buffer, kRecModLength))); }

std::pair<std::string, std::string> GetRecMod(RecoveryLibrary library) {
  Library loaded(library);
  auto call = loaded.Find<GetRecModCall>("GetRecMod");
  if (!call) return {};
  char first[kRecModLength + 1], second[kRecModLength + 1];
  std::fill_n(first, kRecModLength, ' ');
  std::fill_n(second, kRecModLength, ' ');
  first[kRecModLength] = second[kRecModLength] = '\0';
  call(first, second);
  first[kRecModLength] = second[kRecModLength] = '\0';  // a library that overran gets cut here
  return {AnsiToUtf8(Cleaned(first)), AnsiToUtf8(Cleaned(second))};
}

void StartLsrecnSession() {
  if (g_lsrecnSession || !TheApp().Recovery.lsrecnLoadable) return;
  g_lsrecnSession = LoadLibraryW(Widen(RecoveryLibraryName(RecoveryLibrary::Lsrecn)).c_str());
  auto initialize = reinterpret_cast<VoidCall>(
      g_lsrecnSession ? reinterpret_cast<void*>(GetProcAddress(g_lsrecnSession, "Initialize")) : nullptr);
  if (initialize) initialize();
}
// The first matching rule decides: VdRcv, then VdRcvrp(2), then lsrecn.
std::pair<char, char> TrayFlags() {
  using enum RecoveryLibrary;
  if (IsRecoveryInstalled(VdRcv)) return {'1', CallInt(VdRcv, "IsSuperMode") == 1 ? '1' : '0'};
  if (IsRecoveryInstalled(VdRcvrp) || IsRecoveryInstalled(VdRcvrp2)) return {'1', '0'};
  if (IsRecoveryInstalled(Lsrecn)) return {'1', StartsWith(ReadRecoveryState(Lsrecn), "2") ? '1' : '0'};
  return {'0', '0'};
}
}  // namespace

const char* RecoveryLibraryName(RecoveryLibrary library) {
  switch (library) {
    case RecoveryLibrary::VdRcvrp: return "VdRcvrp.dll";
    case RecoveryLibrary::VdRcvrp2: return "VdRcvrp2.dll";
    case RecoveryLibrary::Lsrecn: return "lsrecn.dll";
    case RecoveryLibrary::VdRcv: return "VdRcv";
  }
  return "";
}

void ProbeRecoveryLibraries() {
  RecoveryState& state = TheApp().Recovery;
  state.vdRcvrpLoadable = static_cast<bool>(Library(RecoveryLibrary::VdRcvrp));
  state.vdRcvrp2Loadable = static_cast<bool>(Library(RecoveryLibrary::VdRcvrp2));
  state.lsrecnLoadable = static_cast<bool>(Library(RecoveryLibrary::Lsrecn));
}

bool IsRecoveryInstalled(RecoveryLibrary library) { return CallInt(library, "IsInstalled") == 1; }

std::string ReadRecoveryState(RecoveryLibrary library) {
  if (library == RecoveryLibrary::VdRcv) return CallInt(library, "IsSuperMode") == 1 ? "1" : "0";
  if (!Loadable(library)) return {};
  auto [mode, second] = GetRecMod(library);
  if (library == RecoveryLibrary::Lsrecn) return mode + "|" + second;
  std::string code = mode == "1" ? "100" : mode == "0" ? "000" : "";
  return mode + "|" + code;
}

void RefreshTrayRecoveryState() {
  StartLsrecnSession();
  std::tie(TheApp().Recovery.present, TheApp().Recovery.suspended) = TrayFlags();
}

void FinishRecoverySession() {
  if (!g_lsrecnSession) return;
  if (auto finalize = reinterpret_cast<VoidCall>(reinterpret_cast<void*>(GetProcAddress(g_lsrecnSession, "Finalize"))))
    finalize();
  FreeLibrary(g_lsrecnSession);
  g_lsrecnSession = nullptr;
}
