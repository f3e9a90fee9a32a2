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

void UninstallRecorders() {
  SetMessageBoxAnswerer(nullptr);
  SetLaunchObserver(nullptr);
}
