#pragma once
// The picture buttons of the skinned windows: hover followed by holding the mouse capture, the
// window's own background showing through the pictures' transparent parts.
#include <windows.h>

#include "ui/picture_button.h"

inline void MakeSkinButton(PictureButton& button, HWND parent, int id) {
  button.Create(parent, id, 0, 0, 0, 0);
  button.HoverByCapture(true);
  button.DrawParentBehind(true);
}
