#pragma once
// Recorders for the message-box and launch seams: they keep what was asked and give scripted answers.
#include <deque>
#include <string>
#include <vector>

#include "store/launch.h"
#include "ui/message_box.h"

struct MessageBoxRecorder {
  std::vector<MessageBoxRequest> shown;
  std::deque<int> answers;  // taken in order; when empty, defaultAnswer
  int defaultAnswer = 1;    // IDOK

  void Install();
};

struct LaunchRecorder {
  std::vector<LaunchRequest> started;
  bool result = true;

  void Install();
  // Each start as "file arguments" (the file alone when it has none).
  std::vector<std::string> Commands() const;
};

// Back to the real message box and the real launch.
void UninstallRecorders();
