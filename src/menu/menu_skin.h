#pragma once
// Where the classic menu finds its skin: Skin\<skin name>\ for the current skin, Skin\Default\ for
// the category and frame pictures every skin shares, and the colours of Color.ini.
#include <windows.h>

#include <optional>
#include <string>

std::string SkinFile(const std::string& name);         // Skin\<skin name>\name
std::string DefaultSkinFile(const std::string& name);  // Skin\Default\name
std::string SkinRootFile(const std::string& name);     // Skin\name

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
