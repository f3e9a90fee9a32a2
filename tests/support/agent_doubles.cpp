#include "support/agent_doubles.h"

#include "store/text_codec.h"

TestAgent::TestAgent() : Window("TestVendaraAgent") {}

WindowOptions TestAgent::Options() const { return {.caption = "Vendara Agent"}; }

std::optional<LRESULT> TestAgent::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_COPYDATA) return std::nullopt;
  auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  received.push_back({record->dwData, std::string(static_cast<const char*>(record->lpData), record->cbData),
                      reinterpret_cast<HWND>(wParam)});
  return 1;
}

std::vector<std::string> TestAgent::Texts(ULONG_PTR messageClass) const {
  std::vector<std::string> texts;
  for (const ReceivedRecord& record : received)
    if (record.messageClass == messageClass) texts.push_back(AnsiToUtf8(record.bytes.c_str()));
  return texts;
}

WindowOptions TestMenuWindow::Options() const {
  return {.caption = "menu", .x = 100, .y = 50, .width = 300, .height = 200};
}

std::optional<LRESULT> TestMenuWindow::OnMessage(UINT msg, WPARAM, LPARAM) {
  ownMessages.push_back(msg);
  return std::nullopt;
}

LRESULT SendRecord(HWND target, ULONG_PTR messageClass, const void* data, DWORD byteCount) {
  COPYDATASTRUCT record{messageClass, byteCount, const_cast<void*>(data)};
  return SendMessageW(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
}

LRESULT SendCommand(HWND target, const std::string& text, ULONG_PTR messageClass) {
  std::string ansi = Utf8ToAnsi(text);
  return SendRecord(target, messageClass, ansi.c_str(), static_cast<DWORD>(ansi.size() + 1));
}
