#pragma once
// The outbound half of the link to the sibling agent: short ANSI texts in WM_COPYDATA records sent
// to the agent's top-level window, found by its caption. Every subsystem that reports to the agent
// sends through here.
#include <windows.h>

#include <string>

inline constexpr const char* kAgentCaption = "Vendara Agent";
inline constexpr size_t kAgentBufferSize = 255;  // a text has at most 254 bytes in the ANSI code page

enum AgentClass : ULONG_PTR {
  kAgentCommand = 3,
  kAgentCdKeys = 6,
  kAgentRecovery = 7,
  kAgentSettingsText = 10,
};

// The window that identifies the program to the agent (the tray window); null while none is loaded.
void SetProgramWindow(HWND window);
HWND ProgramWindow();

// Sends synchronously with the program window as the sender; nothing when the agent window is missing.
// A longer text is cut to 254 bytes between two characters.
void SendToAgent(const std::string& text, ULONG_PTR messageClass);
