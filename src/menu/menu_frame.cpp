#include "menu/menu_frame.h"

#include <string>

#include "ui/twips.h"

namespace {
Picture Load(const std::string& name) { return LoadPicture(DefaultSkinFile(name + ".jpg")); }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void Fill(HDC dc, const RECT& area, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

// A piece's own size on this screen: the skin is drawn for 100 %.
LONG Width(const Picture& piece) { return ScaledPixels(piece.width()); }
LONG Height(const Picture& piece) { return ScaledPixels(piece.height()); }

// An end piece at its own width against the right side of a bar.
RECT RightEnd(const RECT& bar, const Picture& piece) { return {bar.right - Width(piece), bar.top, bar.right, bar.bottom}; }

// Corners at their own size, edges stretched between them with their own thickness.
void DrawOutline(HDC dc, const std::array<Picture, 8>& piece, SIZE client) {
  const Picture &topLeft = piece[0], &topEdge = piece[1], &topRight = piece[2], &rightEdge = piece[3],
                &bottomRight = piece[4], &bottomEdge = piece[5], &bottomLeft = piece[6], &leftEdge = piece[7];
  const LONG w = client.cx, h = client.cy;
  DrawPicture(dc, topEdge, {Width(topLeft), 0, w - Width(topRight), Height(topEdge)});
  DrawPicture(dc, bottomEdge, {Width(bottomLeft), h - Height(bottomEdge), w - Width(bottomRight), h});
  DrawPicture(dc, leftEdge, {0, Height(topLeft), Width(leftEdge), h - Height(bottomLeft)});
  DrawPicture(dc, rightEdge, {w - Width(rightEdge), Height(topRight), w, h - Height(bottomRight)});
  DrawPicture(dc, topLeft, {0, 0, Width(topLeft), Height(topLeft)});
  DrawPicture(dc, topRight, {w - Width(topRight), 0, w, Height(topRight)});
  DrawPicture(dc, bottomRight, {w - Width(bottomRight), h - Height(bottomRight), w, h});
  DrawPicture(dc, bottomLeft, {0, h - Height(bottomLeft), Width(bottomLeft), h});
}
}  // namespace

MenuFrame LoadMenuFrame() {
  MenuFrame frame;
  frame.back = Load("Out_01");
  for (int i = 0; i < 8; ++i) frame.outline[i] = Load("Out_" + TwoDigits(i + 2));
  frame.listPanel = Load("Out_10");
  frame.noticeBar = Load("Out_11");
  frame.adPanel = Load("Out_12");
  for (int i = 0; i < 3; ++i) {
    frame.logoBack[i] = Load("LogoBack" + TwoDigits(i + 1));
    frame.bottomBack[i] = Load("BottomBack" + TwoDigits(i + 1));
  }
  frame.menuTop = Load("MenuTop");
  frame.menuMid = Load("MenuMid");
  frame.menuBot = Load("MenuBot");
  frame.columnHead = Load("SCG_btn");
  frame.paneBack = Load("iwback");
  return frame;
}

void DrawMenuFrame(HDC dc, const MenuFrame& frame, const MenuLayout& layout, SIZE client, const SkinColors& colors,
                   bool notice) {
  const RECT whole{0, 0, client.cx, client.cy};
  // Out_01 is a JPEG, so opaque: the colour shows only without it.
  if (frame.back)
    DrawPicture(dc, frame.back, whole);
  else
    Fill(dc, whole, colors.banner);

  DrawPicture(dc, frame.logoBack[0], layout.logo);
  DrawPicture(dc, frame.logoBack[1], layout.topBar);
  DrawPicture(dc, frame.logoBack[2], RightEnd(layout.topBar, frame.logoBack[2]));

  const RECT& column = layout.column;
  DrawPicture(dc, frame.menuMid, column);
  DrawPicture(dc, frame.menuTop, {column.left, column.top, column.right, column.top + Height(frame.menuTop)});
  DrawPicture(dc, frame.menuBot, {column.left, column.bottom - Height(frame.menuBot), column.right, column.bottom});
  DrawPicture(dc, frame.columnHead, layout.columnHead);

  const RECT& bar = layout.bottomBar;
  DrawPicture(dc, frame.bottomBack[1], bar);
  DrawPicture(dc, frame.bottomBack[0], {bar.left, bar.top, layout.column.right, bar.bottom});
  DrawPicture(dc, frame.bottomBack[2], RightEnd(bar, frame.bottomBack[2]));

  DrawPictureNineSlice(dc, frame.listPanel, layout.listPanel);
  DrawPictureNineSlice(dc, frame.adPanel, layout.adPanel);
  if (notice) DrawPictureNineSlice(dc, frame.noticeBar, layout.noticeBar);
  // The ad panes' places, seen while their pages are not (yet) displayed.
  for (const RECT* pane : {&layout.web11, &layout.web12, &layout.web13, &layout.web14}) {
    if (frame.paneBack)
      DrawPictureNineSlice(dc, frame.paneBack, *pane);
    else
      Fill(dc, *pane, colors.list);
  }
  DrawOutline(dc, frame.outline, client);
}
