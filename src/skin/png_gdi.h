#pragma once
// modPngGDI: the GDI+ flat interface as the layered windows call it (gdiplus.dll).
#include <windows.h>

struct GdiplusStartupInput {
  UINT32 GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

// Every function returns a GDI+ status; 0 is success.
extern "C" {
int WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipCreateFromHDC(HDC dc, void** graphics);
int WINAPI GdipDeleteGraphics(void* graphics);
int WINAPI GdipLoadImageFromFile(const wchar_t* path, void** image);
int WINAPI GdipGetImageWidth(void* image, UINT* width);
int WINAPI GdipGetImageHeight(void* image, UINT* height);
int WINAPI GdipDrawImageRect(void* graphics, void* image, float x, float y, float width, float height);
int WINAPI GdipDisposeImage(void* image);
}
