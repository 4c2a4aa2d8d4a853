#pragma once
// Qt side of the twips conversion: the one place where designed twips become
// the pixels of a widget geometry.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

#include "table/twips.h"

namespace tanvorel {

inline int TwipsToPixelsRounded(double twips) { return static_cast<int>(std::lround(TwipsToPixels(twips))); }

inline QRect ToPixels(const TwipRect& r) {
  const int left = TwipsToPixelsRounded(r.left);
  const int top = TwipsToPixelsRounded(r.top);
  // Round the far edges, not the sizes, so neighbouring controls meet exactly.
  return QRect(QPoint(left, top),
               QPoint(TwipsToPixelsRounded(r.left + r.width) - 1, TwipsToPixelsRounded(r.top + r.height) - 1));
}

inline QPointF ToPixelsF(double twipX, double twipY) { return {TwipsToPixels(twipX), TwipsToPixels(twipY)}; }
inline QSize ToPixelsSize(double twipW, double twipH) {
  return QSize(TwipsToPixelsRounded(twipW), TwipsToPixelsRounded(twipH));
}

}  // namespace tanvorel
