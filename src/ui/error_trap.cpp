#include "ui/error_trap.h"

#include <windows.h>

#include <string>

#include "store/text_codec.h"

void ReportTrappedFailure(const char* where, const char* what) noexcept {
  try {
    OutputDebugStringW(Widen(std::string("Tessel: ") + where + ": " + what + "\n").c_str());
  } catch (...) {
    OutputDebugStringW(L"Tessel: a handler failed\n");
  }
}
