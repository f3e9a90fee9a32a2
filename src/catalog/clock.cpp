#include "catalog/clock.h"

#include <windows.h>

namespace {
std::function<DateTime()>& StandIn() {
  static std::function<DateTime()> clock;
  return clock;
}
}  // namespace

DateTime LocalNow() {
  if (StandIn()) return StandIn()();
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void SetClock(std::function<DateTime()> clock) { StandIn() = std::move(clock); }
