#include "state/app_state.h"

#include <memory>

namespace {
std::unique_ptr<App>& Instance() {
  static std::unique_ptr<App> app = std::make_unique<App>();
  return app;
}
}  // namespace

App& TheApp() { return *Instance(); }

App& ResetApp() {
  Instance() = std::make_unique<App>();
  return *Instance();
}
