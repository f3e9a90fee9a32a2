#include "support/recorders.h"

void MessageBoxRecorder::Install() {
  SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
    shown.push_back(request);
    if (answers.empty()) return defaultAnswer;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  });
}

void LaunchRecorder::Install() {
  SetLaunchObserver([this](const LaunchRequest& request) {
    started.push_back(request);
    return result;
  });
}

std::vector<std::string> LaunchRecorder::Commands() const {
  std::vector<std::string> commands;
  for (const LaunchRequest& request : started)
    commands.push_back(request.file + (request.arguments.empty() ? "" : " " + request.arguments));
  return commands;
}

void UninstallRecorders() {
  SetMessageBoxAnswerer(nullptr);
  SetLaunchObserver(nullptr);
}
