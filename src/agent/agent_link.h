#pragma once
// The inbound half of the link to the sibling agent: records arrive at the hooked menu window and
// are untrusted. Sending is the agent channel's.
#include <windows.h>

#include <optional>
#include <string>

#include "store/agent_channel.h"

// The text of a record, cut at its first NUL; nothing for a record that cannot be read (no
// record, no data, a byte count of 0 or above the buffer).
std::optional<std::string> DecodeAgentRecord(const COPYDATASTRUCT* record);

// Executes an inbound record: class 3 commands, class 10 texts; everything else is ignored.
void HandleAgentMessage(const COPYDATASTRUCT* record);

// One class-3 command, already trimmed and in upper case; unknown commands are ignored.
void RunAgentCommand(const std::string& command);
