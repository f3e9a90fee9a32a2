#pragma once
// Positions and sizes the program stores are in twips (1/1440 inch); windows work in pixels.

int TwipsPerPixelX();
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
