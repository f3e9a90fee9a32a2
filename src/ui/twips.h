#pragma once
// Positions and sizes the program stores are in twips (1/1440 inch); windows work in pixels.

int TwipsPerPixelX();
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// Skin pictures and the pixel layouts drawn around them are made for 100 % (96 dots per inch);
// this is such a length at the screen's scale, so that they grow with the windows' twips.
int ScaledPixels(int pixelsAt100Percent);
