#pragma once
// The window is laid out in twips (1/1440 inch), taken as 15 twips per pixel.
namespace tidemark {

inline constexpr int kTwipsPerPixel = 15;

// A control's place in its container: left, top, width, height.
struct TwipRect {
    int L = 0, T = 0, W = 0, H = 0;
};

// The nearest pixel (15 being odd, no twip count lies halfway).
constexpr int twipsToPixels(int twips) {
    const int below = (twips >= 0 ? twips : twips - (kTwipsPerPixel - 1)) / kTwipsPerPixel;
    return 2 * (twips - below * kTwipsPerPixel) > kTwipsPerPixel ? below + 1 : below;
}

static_assert(twipsToPixels(8010) == 534 && twipsToPixels(7) == 0 && twipsToPixels(8) == 1);
static_assert(twipsToPixels(-200) == -13 && twipsToPixels(-7) == 0 && twipsToPixels(-8) == -1);

}  // namespace tidemark
