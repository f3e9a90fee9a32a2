#pragma once
// The pictures of menu icons: square bitmaps on a key colour that the icon list makes transparent.
// A file's own icon is cached as \Bmp\<name>.BMP, so later listings need not ask the shell again.
#include <windows.h>

#include <string>

#include "images/picture.h"

inline constexpr int kIconPictureSize = 48;
inline constexpr COLORREF kIconKeyColor = RGB(255, 0, 255);

// The icon drawn on the key colour; empty for no icon.
Picture RenderIcon(HICON icon);
// The shell's icon of a file (a shortcut shows its target's icon); empty when there is none.
Picture PictureOfFileIcon(const std::string& path);
// A .BMP, .JPG, .GIF, .PNG or .ICO file as an icon picture; empty when it cannot be read.
Picture PictureOfImageFile(const std::string& path);

// The picture as the icon list shows it: kIconPictureSize square, 32 bits with the key colour
// made transparent. The caller owns the bitmap; null for an empty picture.
HBITMAP IconListBitmap(const Picture& picture);

// Where an item's picture comes from: a .BMP or .Ico file to show, else the icon file's own icon.
struct IconSource {
  std::string iconFile, pictureFile;
};
// The shown picture; the icon file's own icon goes through the \Bmp cache under title.
Picture PictureOfSource(const IconSource& source, const std::string& title);
// The same as the icon list shows it (see IconListBitmap); null without a picture.
HBITMAP IconListBitmapOf(const IconSource& source, const std::string& title);

// A picture file as the icon cache holds them (kIconPictureSize square, 24 bits, as SavePicture
// writes them) read straight into the icon list's form; null for any other file.
HBITMAP CachedIconListBitmap(const std::string& path);

// \Bmp\<name>.BMP under the program folder.
std::string CachedIconPath(const std::string& name);
// The cached picture of name, made from iconFile's own icon and stored when missing.
Picture CachedIconPicture(const std::string& iconFile, const std::string& name);
