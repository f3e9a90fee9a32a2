#pragma once
// Every message box of the program goes through here. Tests install an answerer that records
// the box and returns a scripted answer, since a real modal box would hang a headless run.
#include <functional>
#include <string>

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  unsigned flags = 0;  // MB_* buttons and icon
};

inline constexpr const char* kProgramCaption = "Tessel";

// Returns the button pressed (IDOK, IDCANCEL, ...).
int ShowMessageBox(const std::string& text, unsigned flags = 0,
                   const std::string& caption = kProgramCaption);
// Warning with the exclamation icon and OK.
void ShowWarning(const std::string& text, const std::string& caption = kProgramCaption);
// Information with its icon and OK.
void ShowInformation(const std::string& text, const std::string& caption = kProgramCaption);
// OK/Cancel with the question icon; true for OK.
bool Confirm(const std::string& text, const std::string& caption = kProgramCaption);

using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
