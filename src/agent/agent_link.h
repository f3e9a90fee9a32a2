#pragma once
// The link to the sibling agent: short ANSI texts in WM_COPYDATA records. Outbound records go to
// the agent's top-level window, found by its caption; inbound ones arrive at the hooked menu
// window and are untrusted.
#include <windows.h>

#include <optional>
#include <string>

inline constexpr const char* kAgentCaption = "Vendara Agent";
inline constexpr size_t kAgentBufferSize = 255;  // a text has at most 254 characters

enum AgentClass : ULONG_PTR {
  kAgentCommand = 3,
  kAgentCdKeys = 6,
  kAgentRecovery = 7,
  kAgentSettingsText = 10,
};

// Sends synchronously with FrmTray as the sender; nothing when the agent window is missing.
void SendToAgent(const std::string& text, ULONG_PTR messageClass);

// The text of a record, cut at its first NUL; nothing for a record that cannot be read (no
// record, no data, a byte count of 0 or above the buffer).
std::optional<std::string> DecodeAgentRecord(const COPYDATASTRUCT* record);

// Executes an inbound record: class 3 commands, class 10 texts; everything else is ignored.
void HandleAgentMessage(const COPYDATASTRUCT* record);

// One class-3 command, already trimmed and in upper case; unknown commands are ignored.
void RunAgentCommand(const std::string& command);
