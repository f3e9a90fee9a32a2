#include "store/message_loop.h"

namespace {
KeyboardStep g_keyboardStep = nullptr;
}  // namespace

void SetKeyboardStep(KeyboardStep step) { g_keyboardStep = step; }

void DispatchQueuedMessage(MSG& msg) {
  if (g_keyboardStep && g_keyboardStep(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}
