#include "art/style.h"

#include <QLineF>
#include <QTransform>
#include <cmath>

namespace tanvorel::style {

Tone GroupTone(CardGroup group) {
  switch (group) {
    case CardGroup::Blue: return {QColor(0x1e, 0x63, 0xc4), QColor(0x0d, 0x32, 0x6e), QColor(0xe1, 0xeb, 0xfb), QColor(0xa8, 0xc4, 0xef)};
    case CardGroup::Orange: return {QColor(0xf0, 0x7e, 0x12), QColor(0x8a, 0x40, 0x00), QColor(0xfd, 0xee, 0xdc), QColor(0xf8, 0xc4, 0x8c)};
    case CardGroup::Purple: return {QColor(0x7b, 0x3a, 0xb3), QColor(0x43, 0x1a, 0x6a), QColor(0xf0, 0xe5, 0xf9), QColor(0xcc, 0xad, 0xe8)};
    case CardGroup::Green: return {QColor(0x2c, 0x96, 0x37), QColor(0x12, 0x55, 0x1b), QColor(0xe2, 0xf3, 0xde), QColor(0xa4, 0xd6, 0x9a)};
    case CardGroup::None: break;
  }
  return {QColor(0x70, 0x70, 0x70), QColor(0x30, 0x30, 0x30), QColor(0xf0, 0xf0, 0xf0), QColor(0xc8, 0xc8, 0xc8)};
}

Tone SideTone(CardSide side) {
  if (side == CardSide::Grey)
    return {QColor(0x8f, 0x93, 0x98), QColor(0x4a, 0x4d, 0x52), QColor(0xee, 0xf1, 0xf4), QColor(0xa6, 0xa9, 0xad)};
  return {QColor(0x17, 0x17, 0x19), QColor(0x00, 0x00, 0x00), QColor(0xee, 0xf1, 0xf4), QColor(0x26, 0x27, 0x2a)};
}

Tone ExtraTone() { return {QColor(0xcc, 0x1f, 0x2d), QColor(0x6e, 0x0a, 0x12), QColor(0xfc, 0xe6, 0xe7), QColor(0xf2, 0xad, 0xb2)}; }

QPen InkPen(double width, const QColor& colour) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

QPen RoundPen(double width, const QColor& colour) { return InkPen(width, colour); }

QPainterPath RoundRect(const QRectF& r, double radius) {
  QPainterPath p;
  p.addRoundedRect(r, radius, radius);
  return p;
}

QPainterPath Circle(QPointF centre, double radius) {
  QPainterPath p;
  p.addEllipse(centre, radius, radius);
  return p;
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
  QPainterPath p;
  bool first = true;
  for (QPointF q : points) {
    if (first) p.moveTo(q);
    else p.lineTo(q);
    first = false;
  }
  return p;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath p = Polyline(points);
  p.closeSubpath();
  return p;
}

QPainterPath ArrowPath(QPointF from, QPointF to, double shaftWidth, double headWidth, double headLength) {
  const QLineF line(from, to);
  const double length = line.length();
  QPainterPath arrow;
  const double s = shaftWidth / 2, h = headWidth / 2, neck = std::max(0.0, length - headLength);
  arrow.moveTo(0, -s);
  arrow.lineTo(neck, -s);
  arrow.lineTo(neck, -h);
  arrow.lineTo(length, 0);
  arrow.lineTo(neck, h);
  arrow.lineTo(neck, s);
  arrow.lineTo(0, s);
  arrow.closeSubpath();
  QTransform t;
  t.translate(from.x(), from.y());
  t.rotate(-line.angle());
  return t.map(arrow);
}

QPainterPath HandPath(const QRectF& box) {
  // Designed in a 20 x 24 box: palm, four fingers and a thumb, united.
  QPainterPath hand;
  hand.addRoundedRect(QRectF(3.2, 10, 13.6, 12.5), 4.5, 4.5);
  const double fingerX[] = {3.4, 6.9, 10.4, 13.9};
  const double fingerTop[] = {4.2, 1.6, 1.2, 3.4};
  for (int i = 0; i < 4; ++i) {
    QPainterPath finger;
    finger.addRoundedRect(QRectF(fingerX[i], fingerTop[i], 3.1, 14 - fingerTop[i]), 1.55, 1.55);
    hand = hand.united(finger);
  }
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-3, 0, 9.5, 3.4), 1.7, 1.7);
  QTransform tt;
  tt.translate(3.6, 16.5);
  tt.rotate(-50);
  hand = hand.united(tt.map(thumb));
  hand = hand.simplified();
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width() / 20.0, box.height() / 24.0);
  return t.map(hand);
}

QPainterPath StumpsPath(QPointF base, double height) {
  QPainterPath p;
  const double w = height * 0.11, gap = height * 0.3;
  for (int i = -1; i <= 1; ++i)
    p.addRoundedRect(QRectF(base.x() + i * gap - w / 2, base.y() - height, w, height), w / 2, w / 2);
  const double bailY = base.y() - height - w * 0.9;
  p.addRoundedRect(QRectF(base.x() - gap - w / 2, bailY, gap + w * 0.2, w * 0.7), w * 0.3, w * 0.3);
  p.addRoundedRect(QRectF(base.x() + w * 0.3, bailY, gap + w * 0.2, w * 0.7), w * 0.3, w * 0.3);
  return p;
}

}  // namespace tanvorel::style
