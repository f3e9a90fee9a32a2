#pragma once
// The local date and time the catalog's once-a-day and every-few-minutes rules go by.
#include <functional>

#include "catalog/date_time.h"

DateTime LocalNow();

// Tests: when set, the clock reads this instead of the system time; empty restores the system's.
void SetClock(std::function<DateTime()> clock);
