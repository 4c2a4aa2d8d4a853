#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <cstdlib>

#include "art/card_faces.h"
#include "art/fonts.h"
#include "tools/media/media_art.h"

namespace tanvorel::media {

namespace {

[[noreturn]] void NoSuchCard(const char* what) {
  std::fprintf(stderr, "tanvorel-media: the face table has no %s card\n", what);
  std::exit(1);
}

}  // namespace

PicturePtr BowlingCard(int value, CardSide side) {
  const auto& faces = BowlingFaces();
  for (std::size_t i = 0; i < faces.size(); ++i)
    if (faces[i].value == value && faces[i].side == side && faces[i].extra == CardExtra::None)
      return ArtLibrary::instance().Bowling().Card(static_cast<int>(i) + 1);
  NoSuchCard("such bowling");
}

PicturePtr BowlingExtra(CardExtra extra) {
  const auto& faces = BowlingFaces();
  for (std::size_t i = 0; i < faces.size(); ++i)
    if (faces[i].extra == extra) return ArtLibrary::instance().Bowling().Card(static_cast<int>(i) + 1);
  NoSuchCard("extra");
}

PicturePtr BattingCard(int value, CardSide tab, CardGroup group) {
  const auto& faces = BattingFaces();
  for (std::size_t i = 0; i < faces.size(); ++i)
    if (faces[i].value == value && faces[i].tab == tab && (group == CardGroup::None || faces[i].group == group))
      return ArtLibrary::instance().Batting().Card(static_cast<int>(i) + 1);
  NoSuchCard("such batting");
}

PicturePtr BattingCardOtherTab(CardSide notTab) {
  const auto& faces = BattingFaces();
  for (std::size_t i = 0; i < faces.size(); ++i)
    if (faces[i].tab != notTab && faces[i].value >= 3)
      return ArtLibrary::instance().Batting().Card(static_cast<int>(i) + 1);
  NoSuchCard("other-tab batting");
}

PicturePtr FieldingCard(int value, CardGroup group, bool catching) {
  const auto& faces = FieldingFaces();
  for (std::size_t i = 0; i < faces.size(); ++i)
    if (faces[i].value == value && faces[i].group == group && faces[i].catching == catching)
      return ArtLibrary::instance().Fielding().Card(static_cast<int>(i) + 1);
  NoSuchCard("such fielding");
}

PicturePtr FieldingCardNotIn(CardGroup notGroup) {
  const auto& faces = FieldingFaces();
  for (std::size_t i = 0; i < faces.size(); ++i)
    if (faces[i].group != notGroup && faces[i].value == 2)
      return ArtLibrary::instance().Fielding().Card(static_cast<int>(i) + 1);
  NoSuchCard("other-quadrant fielding");
}

namespace look {

QFont Font(const QString& family, double pixels, int weight) {
  QFont font = PictureFont(family, pixels, weight);
  return font;
}

double CardWidth(const PicturePtr& card, double height) {
  return height * card->size().width() / card->size().height();
}

void DrawCard(QPainter& p, const PicturePtr& card, QPointF centre, double height, double degrees, double opacity) {
  if (!card) return;
  const double width = CardWidth(card, height);
  p.save();
  p.setOpacity(p.opacity() * opacity);
  p.translate(centre);
  p.rotate(degrees);
  const QRectF box(-width / 2, -height / 2, width, height);
  // A soft shadow: a few widening, fading rounded rectangles.
  p.setPen(Qt::NoPen);
  for (int i = 4; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 14));
    p.drawRoundedRect(box.translated(2.5, 3.5).adjusted(-i, -i, i, i), 8 + i, 8 + i);
  }
  card->draw(p, box);
  p.restore();
}

void DrawLettering(QPainter& p, const QString& text, const QFont& font, QPointF centre, double outline,
                   const QColor& fill, const QColor& edge) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  path.translate(centre - bounds.center());
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 40), outline * 2 + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path.translated(2, 3));
  p.setPen(QPen(edge, outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  QLinearGradient shade(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
  shade.setColorAt(0, fill.lighter(135));
  shade.setColorAt(1, fill);
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawPath(path);
  p.restore();
}

double DrawBadge(QPainter& p, const QString& text, QPointF topCentre, double width, const QColor& colour,
                 double pixels) {
  const QFont font = Font("Arial", pixels, QFont::Bold);
  const QFontMetricsF metrics(font);
  const QRectF inner(0, 0, width - 12, 1000);
  const QRectF used = metrics.boundingRect(inner, Qt::AlignHCenter | Qt::TextWordWrap, text);
  const double height = used.height() + 10;
  const QRectF box(topCentre.x() - width / 2, topCentre.y(), width, height);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRoundedRect(box, 8, 8);
  p.setPen(Qt::white);
  p.setFont(font);
  p.drawText(box.adjusted(6, 5, -6, -5), Qt::AlignCenter | Qt::TextWordWrap, text);
  p.restore();
  return height;
}

void DrawText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
              int flags) {
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, flags, text);
  p.restore();
}

void DrawBall(QPainter& p, QPointF centre, double radius, double spinDegrees) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(centre);
  QRadialGradient shine(QPointF(-radius * 0.35, -radius * 0.4), radius * 1.3);
  shine.setColorAt(0, QColor(0xf0, 0x5a, 0x5a));
  shine.setColorAt(0.6, kRed);
  shine.setColorAt(1, kRed.darker(150));
  p.setPen(QPen(kRed.darker(200), std::max(1.0, radius * 0.08)));
  p.setBrush(shine);
  p.drawEllipse(QPointF(0, 0), radius, radius);
  p.rotate(spinDegrees);
  p.setPen(QPen(QColor(0xfb, 0xf0, 0xe0), std::max(1.0, radius * 0.09), Qt::DashLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-radius * 1.6, -radius * 0.9, radius * 2.2, radius * 1.8), -50 * 16, 100 * 16);
  p.restore();
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, double bend, const QColor& colour, double width) {
  const QPointF mid = (from + to) / 2;
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length < 1) return;
  const QPointF normal(-along.y() / length, along.x() / length);
  const QPointF control = mid + normal * bend;
  QPainterPath shaft(from);
  shaft.quadTo(control, to);
  const QPointF tangent = to - control;
  const double tl = std::hypot(tangent.x(), tangent.y());
  const QPointF dir = tangent / (tl > 0 ? tl : 1);
  const QPointF side(-dir.y(), dir.x());
  const double head = width * 3.2;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shaft);
  QPolygonF tip;
  tip << to + dir * width << to - dir * head + side * head * 0.6 << to - dir * head - side * head * 0.6;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(tip);
  p.restore();
}

}  // namespace look

}  // namespace tanvorel::media
