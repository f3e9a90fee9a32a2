#include "app/ready_signal.h"

#include <windows.h>

std::wstring ReadyEventName(unsigned long processId) {
  return L"Local\\Tessel.Ready." + std::to_wstring(processId);
}

void SignalStartupComplete() {
  // Left open for the life of the process, so the name stays visible.
  if (HANDLE ready = CreateEventW(nullptr, TRUE, TRUE, ReadyEventName(GetCurrentProcessId()).c_str()))
    SetEvent(ready);
}
