#pragma once
// Input checks run in order through one helper: the first that fails warns with its message,
// puts the focus into its box and selects the box's text, and the rest are not run.
#include <functional>
#include <initializer_list>
#include <span>
#include <string>

#include "ui/controls.h"
#include "ui/message_box.h"

struct Check {
  std::string control;          // the box the owner must correct
  std::function<bool()> passes;
  std::string message;
  std::string caption = kProgramCaption;
};

// True when every check passes.
bool RunChecks(const Controls& controls, std::span<const Check> checks);
bool RunChecks(const Controls& controls, std::initializer_list<Check> checks);
