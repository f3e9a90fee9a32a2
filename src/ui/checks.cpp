#include "ui/checks.h"

bool RunChecks(const Controls& controls, std::initializer_list<Check> checks) {
  return RunChecks(controls, std::span<const Check>(checks.begin(), checks.size()));
}

bool RunChecks(const Controls& controls, std::span<const Check> checks) {
  for (const Check& check : checks) {
    if (check.passes()) continue;
    ShowWarning(check.message, check.caption);
    controls.FocusAndSelect(check.control);
    return false;
  }
  return true;
}
