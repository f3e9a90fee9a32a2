#pragma once
// The classic menu's skin: its files (found as every window finds them) and the colours of Color.ini.
#include <windows.h>

#include <optional>
#include <string>

#include "ui/skin_files.h"

struct SkinColors {
  COLORREF list = RGB(0, 0, 0);    // R, G, B: the icon list without a background picture
  COLORREF banner = RGB(0, 0, 0);  // BR, BG, BB
};
// Missing components read as 0.
SkinColors ReadSkinColors();
// Light text on a dark background, black on a light one.
COLORREF ReadableTextOn(COLORREF background);

// "R,G,B" (blanks allowed), as NOTECOLOR holds a colour; nothing when it is not three numbers.
std::optional<COLORREF> ParseColorTriple(const std::string& text);
