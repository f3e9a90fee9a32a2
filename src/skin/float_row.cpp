#include "skin/float_row.h"

namespace {
constexpr int kRowWidth = 15375;
constexpr int kRowIndent = 185;
constexpr int kSlot = 1905;
}  // namespace

int FloatGap(int n) { return (kRowWidth - n * kSlot) / (n + 1); }
int FloatLeft(int bannerLeft, int k, int n) { return bannerLeft + kRowIndent + (k + 1) * FloatGap(n) + k * kSlot; }
int FloatTop(int bannerTop) { return bannerTop - 1900; }
