#pragma once
// Where the banner's floating buttons stand: in a row above the banner window, sharing 15375
// twips with equal gaps. Twips.

inline constexpr int kFloatWidth = 1650;   // 110 pixels
inline constexpr int kFloatHeight = 1905;  // 127 pixels

// The gap between n floating buttons (integer division, as the row has always been laid out).
int FloatGap(int n);
// Left and top of floating button k of n, for a banner at (bannerLeft, bannerTop).
int FloatLeft(int bannerLeft, int k, int n);
int FloatTop(int bannerTop);
