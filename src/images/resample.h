#pragma once
// Pictures made for 100 % shown larger on a screen at 125 % to 200 %: repeating whole pixels, as a
// plain stretch does, makes the text drawn into skin pictures ragged; blending them does not.
#include "images/picture.h"

// The picture at width x height, each pixel blended from the four nearest of the original (its
// channels are premultiplied, so edges against transparency stay clean). Empty when the picture
// is not a 32-bit one or the new one cannot be made.
Picture ResampleBilinear(const Picture& picture, int width, int height);
