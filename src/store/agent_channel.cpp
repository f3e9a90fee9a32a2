#include "store/agent_channel.h"

#include <cstring>

#include "store/text_codec.h"

namespace {
HWND g_programWindow = nullptr;
}  // namespace

void SetProgramWindow(HWND window) { g_programWindow = window; }

HWND ProgramWindow() { return g_programWindow; }

void SendToAgent(const std::string& text, ULONG_PTR messageClass) {
  HWND agent = FindWindowW(nullptr, Widen(kAgentCaption).c_str());
  if (!agent) return;
  char buffer[kAgentBufferSize] = {};
  std::string ansi = Utf8ToAnsiWithin(text, kAgentBufferSize - 1);
  std::memcpy(buffer, ansi.data(), ansi.size());
  COPYDATASTRUCT record{messageClass, static_cast<DWORD>(ansi.size() + 1), buffer};
  SendMessageW(agent, WM_COPYDATA, reinterpret_cast<WPARAM>(ProgramWindow()),
               reinterpret_cast<LPARAM>(&record));
}
