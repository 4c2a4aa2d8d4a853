#pragma once
// The look shared by every picture: palette, outlines and a few shapes.
// Scenes are flat two-tone illustrations tinted in the card's colour, with
// figures in cricket whites outlined in dark ink.

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include "art/card_faces.h"

namespace tanvorel::style {

// A card colour in four strengths: the card itself, its ink, and the two
// tints that paint the scene behind the figures.
struct Tone {
  QColor main;
  QColor dark;
  QColor light;  // sky
  QColor mid;    // ground
};

Tone GroupTone(CardGroup group);
Tone SideTone(CardSide side);  // black or grey bands and pitches
Tone ExtraTone();              // the red extras

inline const QColor kInk{0x1b, 0x1f, 0x2a};
inline const QColor kKit{0xfb, 0xfb, 0xf7};
inline const QColor kKitShade{0xe2, 0xe2, 0xda};
inline const QColor kSkin{0xe9, 0xb8, 0x8f};
inline const QColor kSkinDark{0xb9, 0x7d, 0x55};
inline const QColor kHelmet{0x1f, 0x2d, 0x5a};
inline const QColor kWillow{0xf0, 0xd3, 0x96};
inline const QColor kWillowInk{0x6b, 0x47, 0x1c};
inline const QColor kBall{0xc8, 0x1d, 0x25};
inline const QColor kStump{0xf4, 0xe4, 0xbf};
inline const QColor kCatchRed{0xe0, 0x1b, 0x24};

QPen InkPen(double width, const QColor& colour = kInk);
QPen RoundPen(double width, const QColor& colour);

QPainterPath RoundRect(const QRectF& r, double radius);
QPainterPath Circle(QPointF centre, double radius);
QPainterPath Polyline(std::initializer_list<QPointF> points);
QPainterPath Polygon(std::initializer_list<QPointF> points);

// An arrow from `from` to `to` with a solid head, as one filled outline.
QPainterPath ArrowPath(QPointF from, QPointF to, double shaftWidth, double headWidth, double headLength);

// An open hand seen palm on: the catching hand of the fielding cards.
QPainterPath HandPath(const QRectF& box);

// Three stumps with their bails, standing on `base` (centre of the foot of the
// middle stump), `height` tall.
QPainterPath StumpsPath(QPointF base, double height);

}  // namespace tanvorel::style
