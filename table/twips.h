#pragma once
// Screen geometry is designed in twips: 1440 to the inch, 15 to a pixel at
// 96 dots per inch. Every conversion to pixels goes through this header (and
// its Qt companion twips_qt.h), never by hand.

namespace tanvorel {

inline constexpr double kTwipsPerPixel = 15.0;

constexpr double TwipsToPixels(double twips) { return twips / kTwipsPerPixel; }
constexpr double PixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

// A rectangle as designed: Left, Top, Width, Height in twips.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

}  // namespace tanvorel
