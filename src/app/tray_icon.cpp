#include "app/tray_icon.h"

#include <cwchar>

#include "store/text_codec.h"

namespace {
TrayIconObserver& Observer() {
  static TrayIconObserver observer;
  return observer;
}
}  // namespace

std::string TrayTip(char present, char suspended) {
  if (present != '1') return "Tessel 2.7.5";
  return suspended == '1' ? "Tessel2.7.5(보호안함)" : "Tessel2.7.5(보호중)";
}

NOTIFYICONDATAW TrayIconRecord(HWND owner, HICON icon, const std::string& tip) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = owner;
  record.uID = 0;
  record.uFlags = kTrayIconFlags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  std::wstring wide = Widen(tip);
  wcsncpy(record.szTip, wide.c_str(), std::size(record.szTip) - 1);
  return record;
}

bool AddTrayIcon(const NOTIFYICONDATAW& record) {
  if (Observer()) return Observer()(record);
  NOTIFYICONDATAW copy = record;
  return Shell_NotifyIconW(NIM_ADD, &copy);
}

void SetTrayIconObserver(TrayIconObserver observer) { Observer() = std::move(observer); }
