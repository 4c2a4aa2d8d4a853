#pragma once
// Where every label of the score book lies, in twips on the table window.
// The score-book picture is drawn from these same positions, so a label
// always sits in its box.

#include <array>

#include "table/twips.h"

namespace tanvorel {

// The score-book picture on the table window, and the size it is drawn at.
inline constexpr TwipRect kScoreBookRect{7215, 15, 4710, 4185};
inline constexpr int kScoreBookPixelWidth = 990;
inline constexpr int kScoreBookPixelHeight = 832;

inline constexpr int kCellSize = 255;          // Score, Extras and OverTotal labels are square
inline constexpr int kTotalWidth = 435;        // ScoreTotal and Wickets labels
inline constexpr int kTotalHeight = 255;

struct TwipPoint {
  int x = 0;
  int y = 0;
};

struct OverCells {
  std::array<TwipPoint, 6> balls;  // Left, Top of balls 1 to 6
  TwipPoint extras;
  TwipPoint subtotal;
};

// Over m of the match (1 to 20) is element m - 1. Overs 1-10 are the home
// page (first innings), 11-20 the away page, whose rows slope down to the right.
extern const std::array<OverCells, 20> kOverCells;

// Score boxes of innings 1 and 2 (Left, Top).
extern const std::array<TwipPoint, 2> kScoreTotalCells;
extern const std::array<TwipPoint, 2> kWicketsCells;

// Rectangles of the labels by their index, as the table window places them.
TwipRect ScoreCellRect(int index);      // 1 to 120: over (index-1)/6 + 1, ball (index-1)%6 + 1
TwipRect ExtrasCellRect(int over);      // 1 to 20
TwipRect OverTotalCellRect(int over);   // 1 to 20
TwipRect ScoreTotalCellRect(int innings);  // 1 or 2
TwipRect WicketsCellRect(int innings);     // 1 or 2

// A point on the window in twips, as a point of the score-book picture in its
// own pixels (990 x 832), for drawing the book.
struct PicturePoint {
  double x = 0;
  double y = 0;
};
PicturePoint ScoreBookPicturePoint(double twipX, double twipY);

}  // namespace tanvorel
