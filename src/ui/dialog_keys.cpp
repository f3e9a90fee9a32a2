#include "ui/dialog_keys.h"

#include <algorithm>
#include <vector>

#include "store/message_loop.h"

namespace {
std::vector<HWND>& Forms() {
  static std::vector<HWND> forms;
  return forms;
}
}  // namespace

void UseDialogKeys(HWND form) {
  std::vector<HWND>& forms = Forms();
  std::erase_if(forms, [](HWND known) { return !IsWindow(known); });
  if (form && std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
  SetKeyboardStep(DialogKeyStep);
}

bool DialogKeyStep(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  const std::vector<HWND>& forms = Forms();
  if (std::find(forms.begin(), forms.end(), root) == forms.end()) return false;
  return IsDialogMessageW(root, &msg) != FALSE;
}
