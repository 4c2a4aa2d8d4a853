// The six card backs and the default back: a coloured card with a white
// border, a woven lattice, and the game's name in white along the long side.

#include "art/art_sizes.h"
#include "art/fonts.h"
#include "art/painters.h"
#include "art/style.h"

namespace tanvorel {

namespace {

using namespace style;

struct BackColours {
  QColor card, lattice, ink;
};

BackColours Colours(BackKind kind) {
  switch (kind) {
    case BackKind::Bowling: return {QColor(0xc0, 0x1c, 0x28), QColor(0x93, 0x0f, 0x1a), QColor(0x5e, 0x06, 0x0e)};
    case BackKind::Batting: return {QColor(0xd8, 0xb9, 0x7c), QColor(0xbf, 0x9b, 0x5a), QColor(0x6a, 0x4a, 0x17)};
    case BackKind::Fielding: return {QColor(0x1d, 0x57, 0x30), QColor(0x12, 0x3f, 0x21), QColor(0x07, 0x24, 0x11)};
  }
  return {};
}

// The back drawn upright in a 114 x 177 box.
void UprightBack(Sketch& sk, const BackColours& c) {
  const double w = kBackUprightSize.width(), h = kBackUprightSize.height();
  sk.draw(RoundRect(QRectF(0.5, 0.5, w - 1, h - 1), 8), Qt::white, InkPen(1, QColor(0x30, 0x30, 0x30)));
  const QRectF inner(6, 6, w - 12, h - 12);
  sk.fill(RoundRect(inner, 5), c.card);
  sk.clip(RoundRect(inner, 5));
  // A woven lattice of diagonal bands.
  for (double d = -h; d < w + h; d += 12) {
    sk.stroke(Polyline({QPointF(d, 0), QPointF(d + h, h)}), QPen(c.lattice, 2.2));
    sk.stroke(Polyline({QPointF(d, h), QPointF(d + h, 0)}), QPen(c.lattice, 2.2));
  }
  sk.unclip();
  sk.stroke(RoundRect(inner.adjusted(3, 3, -3, -3), 3.5), QPen(QColor(255, 255, 255, 200), 1.2));
  // The name runs up the long side, on a plain band so it reads at any size.
  const QRectF band(w / 2 - 19, 16, 38, h - 32);
  sk.draw(RoundRect(band, 19), c.card, QPen(Qt::white, 1.6));
  // A ball at each end of the band.
  for (double y : {band.top() + 12.0, band.bottom() - 12.0}) {
    sk.draw(Circle(QPointF(w / 2, y), 6), Qt::white, Qt::NoPen);
    sk.stroke(Polyline({QPointF(w / 2 - 4, y - 4), QPointF(w / 2 + 4, y + 4)}), QPen(c.card, 1.1, Qt::DotLine));
  }
  sk.save();
  QTransform& t = sk.transform();
  t = QTransform().translate(w / 2, h / 2).rotate(-90) * t;
  sk.text("Tanvorel", PictureFont("Arial", 64, QFont::Black), 27, QRectF(-47, -15, 94, 30), Qt::AlignCenter,
          Qt::white, InkPen(2.2, c.ink));
  sk.restore();
}

}  // namespace

Sketch BackSketch(BackKind kind, bool sideways) {
  Sketch sk;
  if (sideways) {
    // Turned a quarter clockwise: the name then reads left to right.
    sk.transform() = QTransform().translate(kBackSidewaysSize.width(), 0).rotate(90);
  }
  UprightBack(sk, Colours(kind));
  return sk;
}

Sketch DefaultBackSketch() {
  Sketch sk;
  UprightBack(sk, {QColor(0x2a, 0x4f, 0x8a), QColor(0x1f, 0x3c, 0x6c), QColor(0x0c, 0x1d, 0x3a)});
  return sk;
}

}  // namespace tanvorel
