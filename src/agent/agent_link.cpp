#include "agent/agent_link.h"

#include <cstring>

#include "app/frm_tray.h"
#include "store/text_codec.h"
#include "store/text_util.h"

void SendToAgent(const std::string& text, ULONG_PTR messageClass) {
  HWND agent = FindWindowW(nullptr, Widen(kAgentCaption).c_str());
  if (!agent) return;
  char buffer[kAgentBufferSize] = {};
  std::string ansi = Utf8ToAnsi(text).substr(0, kAgentBufferSize - 1);
  std::memcpy(buffer, ansi.data(), ansi.size());
  COPYDATASTRUCT record{messageClass, static_cast<DWORD>(ansi.size() + 1), buffer};
  SendMessageW(agent, WM_COPYDATA, reinterpret_cast<WPARAM>(TheFrmTray().hwnd()),
               reinterpret_cast<LPARAM>(&record));
}

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
    // The settings window (frmEnv) lands later; until then the server list has no receiver.
    return;
  }
  if (record->dwData != kAgentCommand) return;
  if (auto text = DecodeAgentRecord(record)) RunAgentCommand(ToUpperAscii(TrimSpaces(*text)));
}
