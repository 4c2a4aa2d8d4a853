#pragma once
// Where everything stands on the splash and the farewell window, in twips
// from the top-left corner of each window's client area.

#include "table/twips.h"

namespace tanvorel {

// The splash "Startup".
inline constexpr int kSplashWidthTwips = 11910;
inline constexpr int kSplashHeightTwips = 8625;
inline constexpr TwipRect kSplashVideoRect{-15, 0, 11880, 8580};     // MediaPlayer1
inline constexpr TwipRect kSplashSlideRect{0, 0, 11865, 8580};       // SlideImage
inline constexpr TwipRect kSplashSkipRect{11850, 3375, 135, 495};    // Command1, the skip button
// The video player's Top while the slides show: far below the window.
inline constexpr int kSplashVideoAwayTop = 20000;

// The farewell window "Goodbye".
inline constexpr int kFarewellWidthTwips = 9465;
inline constexpr int kFarewellHeightTwips = 8625;
inline constexpr TwipRect kFarewellMessageRect{2970, 180, 6360, 3645};  // FarewellMessage
inline constexpr TwipRect kFarewellEndRect{4770, 7560, 1455, 375};      // Command1, "End"
inline constexpr TwipRect kFarewellBoxRect{3060, 3780, 5160, 4050};     // Image2, the boxed game
inline constexpr TwipRect kFarewellBatterRect{-630, 180, 4200, 9360};   // Image1, the batter
inline constexpr double kFarewellMessagePoints = 11.25;

}  // namespace tanvorel
