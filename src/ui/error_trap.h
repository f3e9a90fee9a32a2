#pragma once
// The error trap every event handler runs in: the first failure ends the handler quietly with
// one debug-output line, and the window lives on.
#include <exception>
#include <utility>

void ReportTrappedFailure(const char* where, const char* what) noexcept;

template <class Handler>
bool RunTrapped(const char* where, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::exception& failure) {
    ReportTrappedFailure(where, failure.what());
  } catch (...) {
    ReportTrappedFailure(where, "unknown failure");
  }
  return false;
}
