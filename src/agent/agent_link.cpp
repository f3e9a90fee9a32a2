#include "agent/agent_link.h"

#include <cstring>

#include "agent/agent_receivers.h"
#include "store/text_codec.h"
#include "store/text_util.h"

std::optional<std::string> DecodeAgentRecord(const COPYDATASTRUCT* record) {
  if (!record || !record->lpData || record->cbData == 0 || record->cbData > kAgentBufferSize)
    return std::nullopt;
  char buffer[kAgentBufferSize] = {};
  std::memcpy(buffer, record->lpData, record->cbData);
  return AnsiToUtf8(std::string_view(buffer, strnlen(buffer, record->cbData)));
}

void HandleAgentMessage(const COPYDATASTRUCT* record) {
  if (!record) return;
  if (record->dwData == kAgentSettingsText) {
    const auto& receiver = TheAgentReceivers().settingsText;
    if (auto text = DecodeAgentRecord(record); text && receiver) receiver(*text);
    return;
  }
  if (record->dwData != kAgentCommand) return;
  if (auto text = DecodeAgentRecord(record)) RunAgentCommand(ToUpperAscii(TrimSpaces(*text)));
}
