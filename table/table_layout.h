#pragma once
// The table as designed: where every card control and other control lies
// (twips from the window's top-left corner), and what ShowCards puts on
// each card control for a given viewing position.

#include <array>

#include "engine/match_state.h"
#include "table/twips.h"

namespace tanvorel {

inline constexpr int kTableWidthTwips = 11880;
inline constexpr int kTableHeightTwips = 8310;

// Card pictures: the long side is scale x 2040 twips, the short side the
// long side x 0.647727273.
inline constexpr double kCardLongSideTwips = 2040.0;
inline constexpr double kCardShortSideRatio = 0.647727273;

// The hand fan, CardGraphic(1..9); element 0 unused.
extern const std::array<TwipRect, 10> kHandFan;
// Slots from left to right as the fan shows them.
inline constexpr std::array<int, 9> kFanOrder = {8, 7, 1, 3, 4, 2, 6, 5, 9};

// The three rows of backs, index 0 to 8 for hand slots 1 to 9.
extern const std::array<TwipRect, 9> kBacksLeft;
extern const std::array<TwipRect, 9> kBacksOpposite;
extern const std::array<TwipRect, 9> kBacksRight;
// The played cards of positions 1 to 4 (element 0 unused); 2 and 4 share a place.
extern const std::array<TwipRect, 5> kPlayedCards;

// Other controls.
inline constexpr TwipRect kNotepadRect{1350, 0, 2895, 3345};
inline constexpr TwipRect kTitleRect{2610, 3870, 6765, 2670};
inline constexpr TwipRect kCopyrightRect{9330, 6900, 2505, 1710};
inline constexpr TwipRect kTemporaryCardRect{0, 0, 465, 555};
extern const std::array<TwipRect, 5> kPlayerNameRects;  // by person 1..4
struct TeamNameLabel {
  TwipRect rect;
  const char* text;  // nullptr: the human's name
};
extern const std::array<TeamNameLabel, 12> kTeamNameLabels;  // TeamName(0..11)
inline constexpr TwipRect kPlayModeRect{4410, 1080, 1575, 285};
inline constexpr TwipRect kDemoModeRect{4410, 1440, 1575, 285};
inline constexpr TwipRect kDemoSpeedLabelRect{4410, 1800, 1545, 195};
inline constexpr TwipRect kDemoSpeedBarRect{4410, 2070, 1545, 195};

struct TwipLine {
  int x1, y1, x2, y2;
};
inline constexpr std::array<TwipLine, 3> kTableEdges = {{
    {7050, 2610, 1170, 2610},   // the far edge
    {1170, 2610, -270, 6450},   // the left edge
    {11160, 4140, 11610, 5610}, // the right edge
}};
// The pen: its tip at the first end point, its shaft sloping down to the right.
inline constexpr int kPenDx = 500;
inline constexpr int kPenDy = 1000;

// Neighbours of the viewing position S: left, far and right.
constexpr int LeftOf(int s) { return s <= 3 ? s + 1 : s - 3; }
constexpr int OppositeOf(int s) { return s <= 2 ? s + 2 : s - 2; }
constexpr int RightOf(int s) { return s <= 1 ? s + 3 : s - 1; }

// What one face control is asked to show.
struct FaceRequest {
  int card = 0;
  int type = 0;
  double scaling = 1.0;
  int slot = 0;
};
// What one back control is asked to show.
struct BackRequest {
  bool visible = false;
  int code = 0;
  double scale = 0.5;
};
struct TableView {
  std::array<FaceRequest, 10> hand;  // CardGraphic(1..9)
  std::array<BackRequest, 9> left, opposite, right;
  std::array<FaceRequest, 5> played;  // PlayedCard(1..4)
};

// The table drawn from `viewingPosition`: the hand face up at the bottom,
// the left, far and right neighbours' hands face down, the played cards in
// the middle.
TableView ComputeTableView(const MatchState& state, int viewingPosition);

}  // namespace tanvorel
