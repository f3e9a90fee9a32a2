#include "ui/popup_menu.h"

#include "store/text_codec.h"

namespace {
PopupMenuAnswerer& Answerer() {
  static PopupMenuAnswerer answerer;
  return answerer;
}
}  // namespace

int ShowPopupMenu(HWND owner, const std::vector<PopupMenuItem>& items) {
  if (Answerer()) return Answerer()(items);
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  for (const PopupMenuItem& item : items) {
    if (item.caption == "-")
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.caption).c_str());
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  SetForegroundWindow(owner);
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  // The empty message makes the menu close properly when the user clicks elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return chosen;
}

void SetPopupMenuAnswerer(PopupMenuAnswerer answerer) { Answerer() = std::move(answerer); }
