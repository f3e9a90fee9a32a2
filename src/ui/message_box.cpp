#include "ui/message_box.h"

#include <windows.h>

#include "store/text_codec.h"

namespace {
MessageBoxAnswerer& Answerer() {
  static MessageBoxAnswerer answerer;
  return answerer;
}
}  // namespace

int ShowMessageBox(const std::string& text, unsigned flags, const std::string& caption) {
  if (Answerer()) return Answerer()({text, caption, flags});
  return MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), flags | MB_SETFOREGROUND);
}

void ShowWarning(const std::string& text, const std::string& caption) {
  ShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION, caption);
}

void ShowInformation(const std::string& text, const std::string& caption) {
  ShowMessageBox(text, MB_OK | MB_ICONINFORMATION, caption);
}

bool Confirm(const std::string& text, const std::string& caption) {
  return ShowMessageBox(text, MB_OKCANCEL | MB_ICONQUESTION, caption) == IDOK;
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { Answerer() = std::move(answerer); }
