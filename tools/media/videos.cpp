// The frames of the two splash videos: the opening (the field, the ball, the
// title, the three decks and a card from each) and the closing (the cards
// dealt onto the table the game is about to open).

#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "art/card_faces.h"
#include "tools/media/media_art.h"

namespace tanvorel::media {

using namespace look;

namespace {

constexpr double kW = kVideoSize.width();
constexpr double kH = kVideoSize.height();

// Progress of `t` through [start, start + length], clamped to [0, 1].
double Phase(double t, double start, double length) { return std::clamp((t - start) / length, 0.0, 1.0); }
double EaseOut(double x) { return 1 - (1 - x) * (1 - x) * (1 - x); }
double EaseInOut(double x) { return x < 0.5 ? 4 * x * x * x : 1 - std::pow(-2 * x + 2, 3) / 2; }
// Overshoots a little and settles: a pop.
double EaseOutBack(double x) {
  const double c1 = 1.70158, c3 = c1 + 1;
  return 1 + c3 * std::pow(x - 1, 3) + c1 * std::pow(x - 1, 2);
}
QPointF Lerp(QPointF a, QPointF b, double x) { return a + (b - a) * x; }
double Lerp(double a, double b, double x) { return a + (b - a) * x; }

QImage Blank() {
  QImage image(kVideoSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void Prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The ground: a pale oval with mowing stripes and the pitch in the middle.
void Field(QPainter& p, double grow, double opacity) {
  p.save();
  p.setOpacity(opacity);
  p.translate(kW / 2, kH * 0.62);
  p.scale(grow, grow);
  const QRectF oval(-470, -300, 940, 600);
  QPainterPath ground;
  ground.addEllipse(oval);
  QRadialGradient grass(QPointF(0, 0), 470);
  grass.setColorAt(0, QColor(0xc9, 0xea, 0xbf));
  grass.setColorAt(1, QColor(0x9c, 0xd4, 0x8e));
  p.setPen(QPen(QColor(0x7c, 0xbf, 0x6e), 4));
  p.setBrush(grass);
  p.drawPath(ground);
  p.setClipPath(ground);
  for (int i = -8; i <= 8; i += 2) p.fillRect(QRectF(i * 55 - 27, -300, 55, 600), QColor(255, 255, 255, 26));
  p.setClipping(false);
  p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(-250, -165, 500, 330));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xd6, 0xa8));
  p.drawRect(QRectF(-34, -95, 68, 190));
  p.restore();
}

// Three decks: the backs of the bowling, batting and fielding cards.
PicturePtr Back(int type) {
  const BackName names[] = {BackName::BowlingCardBackVert, BackName::BattingCardBackVert,
                            BackName::FieldingCardBackVert};
  return ArtLibrary::instance().ImageForm().Back(names[std::clamp(type, 0, 2)]);
}

void Pile(QPainter& p, int type, QPointF centre, double height) {
  for (int i = 4; i >= 0; --i) DrawCard(p, Back(type), centre + QPointF(i * 1.5, -i * 2.0), height, -2 + i * 0.6);
}

// A card turning over as it goes: the back until halfway, then the face,
// each squeezed across as if seen edge on at the turn.
void FlippingCard(QPainter& p, const PicturePtr& back, const PicturePtr& face, QPointF centre, double height,
                  double degrees, double turn) {
  const double squeeze = std::abs(std::cos(turn * M_PI));
  const PicturePtr shown = turn < 0.5 ? back : face;
  p.save();
  p.translate(centre);
  p.rotate(degrees);
  p.scale(std::max(squeeze, 0.02), 1.0);
  DrawCard(p, shown, QPointF(0, 0), height);
  p.restore();
}

void Burst(QPainter& p, QPointF centre, double x) {
  if (x <= 0 || x >= 1) return;
  p.save();
  const QColor colours[] = {kRed, kGreen, QColor(0x1f, 0x5f, 0xb5), QColor(0xf0, 0x9a, 0x1a), QColor(0x8a, 0x3f, 0xb8)};
  for (int i = 0; i < 18; ++i) {
    const double a = qDegreesToRadians(i * 20.0 + 7);
    const double r = 60 + 260 * EaseOut(x);
    QColor c = colours[i % 5];
    c.setAlphaF(1 - x);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre + QPointF(std::cos(a) * r * 1.3, std::sin(a) * r * 0.7), 7 * (1 - x) + 2, 7 * (1 - x) + 2);
  }
  p.restore();
}

void Sparkle(QPainter& p, QPointF centre, double size, double x) {
  if (x <= 0 || x >= 1) return;
  const double s = size * std::sin(x * M_PI);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 230));
  QPainterPath star;
  star.moveTo(centre + QPointF(0, -s));
  star.quadTo(centre, centre + QPointF(s, 0));
  star.quadTo(centre, centre + QPointF(0, s));
  star.quadTo(centre, centre + QPointF(-s, 0));
  star.quadTo(centre, centre + QPointF(0, -s));
  p.drawPath(star);
  p.restore();
}

}  // namespace

QImage OpeningFrame(double t) {
  QImage image = Blank();
  QPainter p(&image);
  Prepare(p);

  Field(p, Lerp(0.82, 1.0, EaseOut(Phase(t, 0, 0.9))), Phase(t, 0, 0.6));

  // The ball: in from the left, a bounce on the pitch, and up to where the
  // title bursts out.
  const QPointF titleCentre(kW / 2, 122);
  if (t < 1.3) {
    const double a = Phase(t, 0.15, 0.65), b = Phase(t, 0.8, 0.5);
    QPointF at;
    double r = 16;
    if (t < 0.8) {
      at = Lerp(QPointF(-30, 250), QPointF(kW / 2 - 10, 430), a);
      at.ry() -= 120 * std::sin(a * M_PI) * 0.6;
    } else {
      at = Lerp(QPointF(kW / 2 - 10, 430), titleCentre, EaseOut(b));
      r = 16 + 10 * b;
    }
    // A faint trail.
    DrawBall(p, at, r, t * 900);
  }
  Burst(p, titleCentre, Phase(t, 1.25, 0.7));

  // The three decks rise from below, then a card from each turns over into
  // a fan.
  const double pileY = 520, pileH = 140;
  const double pileX[] = {kW / 2 - 190, kW / 2, kW / 2 + 190};
  for (int i = 0; i < 3; ++i) {
    const double rise = EaseOut(Phase(t, 1.8 + 0.2 * i, 0.6));
    if (rise > 0) Pile(p, i, QPointF(pileX[i], Lerp(kH + 120, pileY, rise)), pileH);
  }
  const PicturePtr faces[] = {BowlingCard(3, CardSide::Black), BattingCard(4, CardSide::Grey, CardGroup::Orange),
                              FieldingCard(2, CardGroup::Purple, true)};
  const double fanDegrees[] = {-11, 0, 11};
  const QPointF fanAt[] = {QPointF(kW / 2 - 165, 382), QPointF(kW / 2, 364), QPointF(kW / 2 + 165, 382)};
  for (int i = 0; i < 3; ++i) {
    const double go = Phase(t, 3.0 + 0.3 * i, 0.75);
    if (go <= 0) continue;
    const double e = EaseInOut(go);
    const QPointF from(pileX[i] + 6, pileY - 8);
    QPointF at = Lerp(from, fanAt[i], e);
    at.ry() -= 40 * std::sin(go * M_PI);
    FlippingCard(p, Back(i), faces[i], at, Lerp(pileH, 205, e), fanDegrees[i] * e, go);
  }

  // The title pops out of the burst and then breathes gently.
  const double pop = Phase(t, 1.25, 0.55);
  if (pop > 0) {
    const double scale = Lerp(0.25, 1.0, EaseOutBack(pop)) * (1 + 0.012 * std::sin(std::max(0.0, t - 1.8) * 3));
    const QSizeF size(560 * scale, 204 * scale);
    p.save();
    p.setOpacity(std::min(1.0, pop * 3));
    TitlePicture()->drawVector(p, QRectF(titleCentre - QPointF(size.width() / 2, size.height() / 2), size));
    p.restore();
    Sparkle(p, titleCentre + QPointF(-190, -62), 16, Phase(t, 2.2, 0.6));
    Sparkle(p, titleCentre + QPointF(205, -40), 14, Phase(t, 3.0, 0.6));
    Sparkle(p, titleCentre + QPointF(-40, 60), 12, Phase(t, 4.4, 0.6));
    Sparkle(p, titleCentre + QPointF(120, -70), 18, Phase(t, 5.1, 0.6));
  }

  // The words under the title: what the three cards are for.
  const double words = Phase(t, 4.3, 0.5);
  if (words > 0) {
    p.save();
    p.setOpacity(words);
    DrawLettering(p, "Bowl  \u2022  Bat  \u2022  Field", Font("Comic Sans MS", 26, QFont::Bold),
                  QPointF(kW / 2, 230 + 8 * (1 - EaseOut(words))), 2.0, QColor(0xc8, 0x1d, 0x25), QColor(0x7a, 0x10, 0x14));
    p.restore();
  }
  return image;
}

QImage ClosingFrame(double t, const TableScene& table) {
  QImage image = Blank();
  QPainter p(&image);
  Prepare(p);

  // The table appears, and a deck in the middle of it.
  p.save();
  p.setOpacity(EaseOut(Phase(t, 0, 0.7)));
  p.drawImage(0, 0, table.withoutCards);
  p.restore();

  const QPointF deck(kW / 2, 300);
  const double deckH = 118;
  const double dealStart = 0.8, dealGap = 0.085, flight = 0.45;
  const int count = static_cast<int>(table.cards.size());
  const int dealt = std::clamp(static_cast<int>((t - dealStart) / dealGap) + 1, 0, count);
  const int left = count - dealt;
  const double deckIn = EaseOut(Phase(t, 0.2, 0.5));
  if (left > 0 && deckIn > 0) {
    const int layers = std::min(left, 6);
    for (int i = layers - 1; i >= 0; --i)
      DrawCard(p, Back(1), deck + QPointF(i * 1.2, -i * 1.6 + (1 - deckIn) * 300), deckH, -3 + i, deckIn);
  }

  // Each card flies from the deck to its place, turning over on the way
  // when it is one of the player's own.
  for (int i = 0; i < count; ++i) {
    const TableScene::Card& card = table.cards[static_cast<std::size_t>(i)];
    const double go = Phase(t, dealStart + i * dealGap, flight);
    if (t < dealStart + i * dealGap) continue;
    const double e = EaseInOut(go);
    const QPointF at = Lerp(deck, card.place.center(), e);
    const double degrees = (1 - e) * (i % 2 ? 25 : -25);
    if (go >= 1) {
      card.picture->draw(p, card.place);
      continue;
    }
    // In flight, a card keeps its final shape and grows from the deck's size.
    const double finalH = card.place.height(), finalW = card.place.width();
    const double scale = Lerp(deckH / std::max(finalH, finalW), 1.0, e);
    p.save();
    p.translate(at);
    p.rotate(degrees);
    p.scale(scale, scale);
    const QRectF box(-finalW / 2, -finalH / 2, finalW, finalH);
    if (card.faceUp) {
      const double squeeze = std::abs(std::cos(go * M_PI));
      p.scale(std::max(squeeze, 0.02), 1.0);
      (go < 0.5 ? Back(1) : card.picture)->draw(p, box);
    } else {
      card.picture->draw(p, box);
    }
    p.restore();
  }

  // "Let's play!" over the table, gone again before the game takes over.
  const double words = Phase(t, 3.55, 1.05);
  if (words > 0 && words < 1) {
    const double in = EaseOutBack(Phase(t, 3.55, 0.4));
    const double out = 1 - Phase(t, 4.3, 0.3);
    p.save();
    p.setOpacity(out);
    p.translate(kW / 2, 305);
    p.scale(Lerp(0.3, 1.0, in), Lerp(0.3, 1.0, in));
    // On a white plate, so that it reads over the title picture beneath.
    p.setPen(QPen(kGreen, 3));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(-215, -58, 430, 116), 24, 24);
    DrawLettering(p, "Let's play!", Font("Comic Sans MS", 64, QFont::Bold), QPointF(0, 0), 4);
    p.restore();
  }
  return image;
}

}  // namespace tanvorel::media
