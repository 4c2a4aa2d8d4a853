// The pictures outside the card holders: the title, the notepad page, the two
// farewell pictures, the default face and the icon.

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/art_sizes.h"
#include "art/figure.h"
#include "art/fonts.h"
#include "art/painters.h"
#include "art/style.h"

namespace tanvorel {

namespace {

using namespace style;

const QColor kTitleGreen(0x1f, 0x9a, 0x3c);
const QColor kTitleGreenLight(0x5c, 0xd0, 0x6a);
const QColor kTitleInk(0x0b, 0x45, 0x19);

QPainterPath Rect(const QRectF& r) {
  QPainterPath p;
  p.addRect(r);
  return p;
}

// A cricket ball with its seam, lit from the top left.
void Ball(Sketch& sk, QPointF c, double r, double seamAngle = -35) {
  QRadialGradient shine(c + QPointF(-r * 0.35, -r * 0.35), r * 1.5);
  shine.setColorAt(0, kBall.lighter(160));
  shine.setColorAt(0.5, kBall);
  shine.setColorAt(1, kBall.darker(160));
  sk.draw(Circle(c, r), shine, InkPen(std::max(1.0, r * 0.06), QColor(0x4a, 0x06, 0x0b)));
  sk.save();
  sk.transform() = QTransform().translate(c.x(), c.y()).rotate(seamAngle) * sk.transform();
  QPainterPath seam;
  seam.moveTo(-r * 0.95, -r * 0.25);
  seam.cubicTo(-r * 0.3, r * 0.05, r * 0.3, r * 0.05, r * 0.95, -r * 0.25);
  for (double k : {-0.09, 0.09}) {
    QPainterPath line = QTransform::fromTranslate(0, k * r).map(seam);
    sk.stroke(line, QPen(QColor(0xfb, 0xee, 0xd8), std::max(0.8, r * 0.07), Qt::DotLine, Qt::RoundCap));
  }
  sk.restore();
}

// Green lettering with a darker outline and a soft shadow.
void GreenWord(Sketch& sk, const QString& word, double size, const QRectF& box, double outline) {
  const QFont font = PictureFont("Arial", 64, QFont::Black);
  sk.save();
  sk.transform() = QTransform::fromTranslate(outline * 0.9, outline * 1.1) * sk.transform();
  sk.text(word, font, size, box, Qt::AlignCenter, QColor(0, 0, 0, 60), InkPen(outline * 1.4, QColor(0, 0, 0, 60)));
  sk.restore();
  QLinearGradient fill(0, box.top(), 0, box.bottom());
  fill.setColorAt(0, kTitleGreenLight);
  fill.setColorAt(0.55, kTitleGreen);
  fill.setColorAt(1, kTitleGreen.darker(125));
  sk.text(word, font, size, box, Qt::AlignCenter, fill, InkPen(outline, kTitleInk));
}

}  // namespace

Sketch TitleSketch() {
  Sketch sk;
  GreenWord(sk, "Tanvorel", 124, QRectF(20, 8, 585, 124), 7);
  // "Card Cricket" between two balls, like a ribbon under the name.
  GreenWord(sk, "Card Cricket", 66, QRectF(90, 142, 445, 72), 5);
  Ball(sk, QPointF(58, 178), 26, -30);
  Ball(sk, QPointF(567, 178), 26, 30);
  return sk;
}

Sketch NotepadPageSketch() {
  Sketch sk;
  const double w = kNotepadPageSize.width(), h = kNotepadPageSize.height();
  // The green board behind the page shows along its right and bottom edges.
  sk.draw(RoundRect(QRectF(4, 8, w - 4.5, h - 8.5), 6), QColor(0x2f, 0x8f, 0x3e), InkPen(1, QColor(0x15, 0x4f, 0x1f)));
  const QRectF page(0.5, 10, w - 8, h - 17);
  QLinearGradient paper(0, page.top(), 0, page.bottom());
  paper.setColorAt(0, Qt::white);
  paper.setColorAt(1, QColor(0xf7, 0xf7, 0xf2));
  sk.draw(RoundRect(page, 3), paper, InkPen(1, QColor(0xb8, 0xb8, 0xb0)));
  // Ruled lines and a margin.
  for (double y = page.top() + 26; y < page.bottom() - 4; y += 13)
    sk.stroke(Polyline({QPointF(page.left() + 3, y), QPointF(page.right() - 3, y)}), QPen(QColor(0xb9, 0xd3, 0xee), 0.8));
  sk.stroke(Polyline({QPointF(page.left() + 18, page.top() + 14), QPointF(page.left() + 18, page.bottom() - 2)}),
            QPen(QColor(0xef, 0x9a, 0x9a), 0.9));
  // The spiral: a hole punched under each ring, the ring over the top edge.
  for (double x = 12; x < w - 12; x += 14.5) {
    sk.fill(Circle(QPointF(x, page.top() + 6), 2.6), QColor(0x3a, 0x3a, 0x3a));
    QPainterPath ring;
    ring.moveTo(x - 1.5, page.top() + 6);
    ring.cubicTo(x - 4, page.top() - 3, x + 5, page.top() - 10, x + 3.5, page.top() - 1);
    sk.stroke(ring, RoundPen(3.4, QColor(0x55, 0x58, 0x5e)));
    sk.stroke(ring, RoundPen(1.6, QColor(0xd8, 0xdb, 0xe0)));
  }
  return sk;
}

Sketch FarewellBoxSketch() {
  Sketch sk;
  const double w = kFarewellBoxSize.width(), h = kFarewellBoxSize.height();
  sk.fill(Rect(QRectF(0, 0, w, h)), Qt::white);
  // A soft table-top shadow.
  QPainterPath shadow;
  shadow.addEllipse(QPointF(w / 2, h - 26), w * 0.47, 22);
  sk.fill(shadow, QColor(0, 0, 0, 28));
  // The box, lid on, seen from a little above: top face and front face.
  const QPointF a(44, 54), b(262, 30), c(318, 86), d(98, 112);  // lid corners
  const double depth = 44;
  sk.draw(Polygon({d, c, c + QPointF(0, depth), d + QPointF(0, depth)}), QColor(0x16, 0x5a, 0x28), InkPen(1.4));
  sk.draw(Polygon({a, d, d + QPointF(0, depth), a + QPointF(0, depth)}), QColor(0x0f, 0x44, 0x1d), InkPen(1.4));
  QLinearGradient lid(a, c);
  lid.setColorAt(0, QColor(0x2c, 0x9b, 0x45));
  lid.setColorAt(1, QColor(0x1d, 0x74, 0x33));
  sk.draw(Polygon({a, b, c, d}), lid, InkPen(1.4));
  // The lid's lettering, laid on its slant.
  const QPointF ux = (c - d) / std::hypot(c.x() - d.x(), c.y() - d.y());
  const QPointF uy = (d - a) / std::hypot(d.x() - a.x(), d.y() - a.y());
  QTransform onLid(ux.x(), ux.y(), uy.x() * 0.7, uy.y() * 0.7, a.x(), a.y());
  sk.save();
  sk.transform() = onLid * sk.transform();
  sk.text("Tanvorel", PictureFont("Arial", 64, QFont::Black), 40, QRectF(30, 8, 170, 46), Qt::AlignCenter, Qt::white,
          InkPen(3, kTitleInk));
  sk.text("Card Cricket", PictureFont("Arial", 64, QFont::Bold), 22, QRectF(40, 52, 150, 26), Qt::AlignCenter,
          QColor(0xf4, 0xe9, 0x9b), InkPen(2, kTitleInk));
  sk.restore();
  sk.stroke(Polyline({d + QPointF(0, 9), c + QPointF(0, 9)}), QPen(QColor(0xe8, 0xc8, 0x4a), 3));

  // The rules booklet leaning on the box's left.
  const QPointF r0(14, 152), r1(84, 140), r2(96, 236), r3(24, 246);
  sk.draw(Polygon({r0, r1, r2, r3}), QColor(0xfb, 0xf8, 0xee), InkPen(1.3));
  sk.text("RULES", PictureFont("Arial", 64, QFont::Black), 14, QRectF(24, 152, 60, 18), Qt::AlignCenter, kTitleGreen);
  for (int i = 0; i < 6; ++i) {
    const double t = 0.3 + i * 0.1;
    const QPointF left = r0 + (r3 - r0) * t + QPointF(8, 0), right = r1 + (r2 - r1) * t - QPointF(8, 0);
    sk.stroke(Polyline({left, right - (right - left) * (i % 2 ? 0.25 : 0.0)}), QPen(QColor(0x9a, 0x9a, 0x90), 1.6));
  }
  // A fan of cards spread in front of the box: three backs and three faces.
  struct Fanned {
    Sketch (*face)(int);
    int number;
    BackKind back;
    bool isBack;
  };
  const Fanned fan[] = {{nullptr, 0, BackKind::Bowling, true},  {nullptr, 0, BackKind::Batting, true},
                        {nullptr, 0, BackKind::Fielding, true}, {BowlingFaceSketch, 13, BackKind::Bowling, false},
                        {BattingFaceSketch, 16, BackKind::Batting, false}, {FieldingFaceSketch, 37, BackKind::Fielding, false}};
  const QPointF pivot(212, 300);
  for (int i = 0; i < 6; ++i) {
    const double angle = -32 + i * 12.5;
    QTransform place;
    place.translate(pivot.x(), pivot.y());
    place.rotate(angle);
    if (fan[i].isBack) {
      place.translate(-31, -170);
      place.scale(62.0 / kBackUprightSize.width(), 96.0 / kBackUprightSize.height());
      sk.append(BackSketch(fan[i].back, false), place);
    } else {
      place.translate(-31, -170);
      place.scale(62.0 / kFaceSize.width(), 96.0 / kFaceSize.height());
      sk.append(fan[i].face(fan[i].number), place);
    }
  }
  return sk;
}

Sketch FarewellBatterSketch() {
  Sketch sk;
  const double w = kFarewellBatterSize.width(), h = kFarewellBatterSize.height();
  const double horizon = 300;
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, QColor(0x8c, 0xc4, 0xef));
  sky.setColorAt(1, QColor(0xe4, 0xf2, 0xfb));
  sk.fill(Rect(QRectF(0, 0, w, horizon)), sky);
  // Clouds.
  for (QPointF c : {QPointF(70, 70), QPointF(210, 130)}) {
    QPainterPath cloud;
    cloud.addEllipse(c, 34, 13);
    cloud.addEllipse(c + QPointF(-20, -8), 18, 12);
    cloud.addEllipse(c + QPointF(12, -12), 20, 14);
    sk.fill(cloud.simplified(), QColor(255, 255, 255, 220));
  }
  // The stand and the field.
  sk.fill(Rect(QRectF(0, horizon - 34, w, 34)), QColor(0x7d, 0x8d, 0x9e));
  for (double x = 4; x < w; x += 9)
    for (double y = horizon - 27; y < horizon - 4; y += 8)
      sk.fill(Circle(QPointF(x + (static_cast<int>(y) % 2) * 4, y), 2.2),
              QColor::fromHsv(static_cast<int>(x * 7 + y * 13) % 360, 60, 230));
  sk.fill(Polygon({QPointF(0, horizon - 34), QPointF(20, horizon - 48), QPointF(w - 20, horizon - 48), QPointF(w, horizon - 34)}),
          QColor(0x4a, 0x55, 0x63));
  QLinearGradient grass(0, horizon, 0, h);
  grass.setColorAt(0, QColor(0x8f, 0xc8, 0x6a));
  grass.setColorAt(1, QColor(0x4e, 0x98, 0x3c));
  sk.fill(Rect(QRectF(0, horizon, w, h - horizon)), grass);
  for (int i = -3; i <= 3; i += 2)
    sk.fill(Polygon({QPointF(w / 2 + i * 30, horizon), QPointF(w / 2 + (i + 1) * 30, horizon),
                     QPointF(w / 2 + (i + 1) * 140, h), QPointF(w / 2 + i * 140, h)}),
            QColor(255, 255, 255, 26));
  // The pitch under the batter and the stumps behind.
  sk.fill(Polygon({QPointF(70, 500), QPointF(270, 500), QPointF(300, h), QPointF(40, h)}), QColor(0xd9, 0xc8, 0x96));
  sk.stroke(Polyline({QPointF(60, 560), QPointF(290, 560)}), InkPen(3, Qt::white));
  sk.draw(StumpsPath(QPointF(96, 548), 110), kStump, InkPen(2.4));
  // The batter, after a lofted drive, the ball climbing away.
  Pose pose;
  pose.hip = {0, -62};
  pose.lean = -3;
  pose.footL = {-24, 0};
  pose.footR = {18, 0};
  pose.handL = {28, -126};
  pose.handR = {32, -132};
  pose.bat = -112;
  pose.batBehind = true;
  DrawFigure(sk, pose, Kit::Batter, QPointF(170, 606), 2.75, kHelmet);
  QPen trail(QColor(255, 255, 255, 200), 3, Qt::CustomDashLine, Qt::RoundCap);
  trail.setDashPattern({2, 2.5});
  QPainterPath flight(QPointF(150, 150));
  flight.quadTo(QPointF(120, 70), QPointF(70, 40));
  sk.stroke(flight, trail);
  Ball(sk, QPointF(70, 40), 11);
  return sk;
}

Sketch DefaultFaceSketch() {
  Sketch sk;
  const double w = kDefaultFaceSize.width(), h = kDefaultFaceSize.height();
  sk.draw(RoundRect(QRectF(1, 1, w - 2, h - 2), 20), Qt::white, InkPen(3, QColor(0x30, 0x30, 0x30)));
  const QRectF inner(16, 16, w - 32, h - 32);
  QLinearGradient fill(0, inner.top(), 0, inner.bottom());
  fill.setColorAt(0, QColor(0xe8, 0xf6, 0xe8));
  fill.setColorAt(1, QColor(0xc4, 0xe6, 0xc4));
  sk.draw(RoundRect(inner, 12), fill, InkPen(3, kTitleGreen));
  // Two bats crossed over the stumps, a ball at their foot.
  sk.draw(StumpsPath(QPointF(w / 2, 330), 150), kStump, InkPen(3));
  for (double angle : {-28.0, 28.0}) {
    QTransform t;
    t.translate(w / 2, 250);
    t.rotate(angle);
    QPainterPath blade, handle;
    blade.addRoundedRect(QRectF(-15, -40, 30, 150), 8, 8);
    handle.addRoundedRect(QRectF(-6, -100, 12, 64), 5, 5);
    sk.draw(t.map(handle), QColor(0x33, 0x33, 0x3a), InkPen(3));
    sk.draw(t.map(blade), kWillow, InkPen(3, kWillowInk));
  }
  Ball(sk, QPointF(w / 2, 372), 24);
  GreenWord(sk, "Tanvorel", 74, QRectF(26, 40, w - 52, 80), 4.5);
  GreenWord(sk, "Card Cricket", 40, QRectF(36, 410, w - 72, 60), 3);
  return sk;
}

Sketch IconSketch() {
  Sketch sk;
  const double s = kIconSize.width();
  QLinearGradient green(0, 0, 0, s);
  green.setColorAt(0, QColor(0x3c, 0xb4, 0x4f));
  green.setColorAt(1, QColor(0x17, 0x73, 0x2c));
  sk.draw(RoundRect(QRectF(6, 6, s - 12, s - 12), 46), green, InkPen(8, QColor(0x0b, 0x45, 0x19)));
  sk.draw(StumpsPath(QPointF(s / 2, 214), 150), kStump, InkPen(7));
  Ball(sk, QPointF(s * 0.6, 160), 62, -30);
  return sk;
}

}  // namespace tanvorel
