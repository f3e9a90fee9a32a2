#pragma once
// PNG button art drawn by our own decoder, its transparent pixels blended over the block of a
// window's background picture that the button covers.
#include <windows.h>

#include <string>

#include "images/picture.h"

class PictureBox;

// The picture for a button at `place` (pixels of the background); `scratch` is a picture box the
// decoder draws into. A missing or broken file gives the bare background block.
Picture PngOverBackground(const std::string& path, PictureBox& background, const RECT& place, PictureBox& scratch);
