#pragma once
// The notification-area icon of the tray window. It is only ever added: at the first Timer1
// tick and again whenever the shell announces a new taskbar.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "ui/taskbar_created.h"

inline constexpr UINT kTrayCallbackMessage = WM_USER + 100;  // 1124
inline constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;  // 23

// The tip for the recovery module's state flags ('1' present, '1' suspended).
std::string TrayTip(char present, char suspended);

NOTIFYICONDATAW TrayIconRecord(HWND owner, HICON icon, const std::string& tip);
bool AddTrayIcon(const NOTIFYICONDATAW& record);

// Tests: when set, sees every added record instead of the shell and answers for it.
using TrayIconObserver = std::function<bool(const NOTIFYICONDATAW&)>;
void SetTrayIconObserver(TrayIconObserver observer);
