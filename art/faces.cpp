// The 160 card faces and the default face.
//
// Every face shares one frame: the card in its colour, the value large in the
// top-left corner, the name across the top band, and a scene below, tinted
// in the card's colour. What differs by card comes from the face table
// (card_faces.h) and, for the scene, from the tables of deliveries, shots and
// fielding positions in this file.

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <map>
#include <string_view>

#include "art/art_sizes.h"
#include "art/card_faces.h"
#include "art/figure.h"
#include "art/fonts.h"
#include "art/painters.h"
#include "art/style.h"

namespace tanvorel {

namespace {

using namespace style;

constexpr double kW = kFaceSize.width();
constexpr double kH = kFaceSize.height();
const QRectF kCard(0.75, 0.75, kW - 1.5, kH - 1.5);
constexpr double kCardRadius = 10;
const QRectF kPanel(9, 68, kW - 18, kH - 68 - 9);

QFont ValueFont() { return PictureFont("Arial", 64, QFont::Black); }
QFont NameFont() { return PictureFont("Arial Narrow", 64, QFont::Bold); }

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

void CardBase(Sketch& sk, const QColor& colour) {
  sk.draw(RoundRect(kCard, kCardRadius), colour, InkPen(1.5, QColor(0x10, 0x10, 0x10)));
}

void Value(Sketch& sk, int value, const QRectF& box, const QColor& ink) {
  sk.text(QString::number(value), ValueFont(), 56, box, Qt::AlignCenter, Qt::white, InkPen(4, ink));
}

void Name(Sketch& sk, std::string_view name, const QRectF& box, const QColor& ink) {
  sk.text(Q(name), NameFont(), 21, box, Qt::AlignVCenter | Qt::AlignLeft, Qt::white, InkPen(2.2, ink), true);
}

// The scene's backdrop: sky, a distant stand and the field, in the tone's
// tints, clipped to the panel. Returns the y of the horizon.
double Backdrop(Sketch& sk, const Tone& tone, double horizon) {
  sk.draw(RoundRect(kPanel, 6), Qt::white, InkPen(3, Qt::white));
  sk.clip(RoundRect(kPanel, 6));
  QLinearGradient sky(0, kPanel.top(), 0, horizon);
  sky.setColorAt(0, tone.light.darker(104));
  sky.setColorAt(1, Qt::white);
  sk.fill(QPainterPath([&] { QPainterPath p; p.addRect(kPanel); return p; }()), sky);
  // The stand: a low band of roof and seats.
  QPainterPath stand;
  stand.addRect(QRectF(kPanel.left(), horizon - 12, kPanel.width(), 12));
  sk.fill(stand, tone.mid.darker(112));
  for (double x = kPanel.left() + 3; x < kPanel.right(); x += 7)
    sk.fill(Circle(QPointF(x, horizon - 5), 1.6), tone.light);
  QPainterPath roof = Polygon({QPointF(kPanel.left(), horizon - 12), QPointF(kPanel.left() + 12, horizon - 18),
                               QPointF(kPanel.right() - 12, horizon - 18), QPointF(kPanel.right(), horizon - 12)});
  sk.fill(roof, tone.dark.lighter(140));
  // The field, with mowing stripes fanning towards the viewer.
  QPainterPath field;
  field.addRect(QRectF(kPanel.left(), horizon, kPanel.width(), kPanel.bottom() - horizon));
  QLinearGradient grass(0, horizon, 0, kPanel.bottom());
  grass.setColorAt(0, tone.mid.lighter(112));
  grass.setColorAt(1, tone.mid);
  sk.fill(field, grass);
  const double cx = kPanel.center().x();
  for (int i = -4; i <= 4; i += 2) {
    QPainterPath stripe = Polygon({QPointF(cx + i * 9, horizon), QPointF(cx + (i + 1) * 9, horizon),
                                   QPointF(cx + (i + 1) * 46, kPanel.bottom()), QPointF(cx + i * 46, kPanel.bottom())});
    sk.fill(stripe, QColor(255, 255, 255, 34));
  }
  return horizon;
}

void EndBackdrop(Sketch& sk) {
  sk.unclip();
  sk.stroke(RoundRect(kPanel, 6), InkPen(1.2, QColor(0, 0, 0, 90)));
}

// ------------------------------------------------------------------ bowling

enum class Grip { Seam, Swing, Cutter, FingerSpin, WristSpin, Slow };

struct Delivery {
  double bounce;  // where it pitches, 0 the bowler's crease to 1 the batter's; < 0 for a full toss
  double swing;   // sideways bend in the air, + towards the right
  double turn;    // sideways change off the pitch
  double loop;    // extra height in flight
  double finish;  // height at the batter, 0 ground to 1 head
  Grip grip;
};

const std::map<std::string_view, Delivery>& Deliveries() {
  static const std::map<std::string_view, Delivery> table = {
      {"Yorker", {0.97, 0.0, 0.0, 0.0, 0.02, Grip::Seam}},
      {"Jaffa", {0.74, 0.05, -0.35, 0.0, 0.45, Grip::Seam}},
      {"Back of a Length", {0.6, 0.0, 0.0, 0.0, 0.7, Grip::Seam}},
      {"Flipper", {0.8, 0.0, 0.0, 0.25, 0.12, Grip::WristSpin}},
      {"Grubber", {0.5, 0.0, 0.05, 0.0, 0.0, Grip::Slow}},
      {"Out Swinger", {0.78, -0.55, -0.1, 0.0, 0.4, Grip::Swing}},
      {"Off Break", {0.76, 0.0, 0.45, 0.3, 0.4, Grip::FingerSpin}},
      {"Googly", {0.76, 0.0, 0.4, 0.35, 0.4, Grip::WristSpin}},
      {"Slower One", {0.8, 0.0, 0.0, 0.45, 0.4, Grip::Slow}},
      {"Half Volley", {0.9, 0.0, 0.0, 0.0, 0.2, Grip::Seam}},
      {"Leg Spin", {0.76, 0.0, -0.5, 0.35, 0.4, Grip::WristSpin}},
      {"Leg Cutter", {0.7, 0.0, -0.35, 0.0, 0.45, Grip::Cutter}},
      {"Full Toss", {-1, 0.0, 0.0, 0.1, 0.55, Grip::Seam}},
      {"Long Hop", {0.42, 0.0, 0.0, 0.0, 0.85, Grip::Slow}},
      {"Loosener", {0.62, 0.0, -0.3, 0.1, 0.5, Grip::Seam}},
      {"In Swinging Yorker", {0.97, 0.55, 0.0, 0.0, 0.02, Grip::Swing}},
      {"Reverse Swing", {0.82, 0.6, 0.05, 0.0, 0.3, Grip::Swing}},
      {"Arm Ball", {0.76, -0.15, 0.0, 0.2, 0.35, Grip::FingerSpin}},
      {"In Swinger", {0.78, 0.5, 0.1, 0.0, 0.4, Grip::Swing}},
      {"Seamer", {0.72, 0.0, 0.25, 0.0, 0.5, Grip::Seam}},
      {"Off Cutter", {0.7, 0.0, 0.35, 0.0, 0.45, Grip::Cutter}},
      {"Slow Ball", {0.8, 0.0, 0.0, 0.5, 0.35, Grip::Slow}},
      {"Over Pitched", {0.93, 0.0, 0.0, 0.0, 0.12, Grip::Seam}},
      {"Top Spin", {0.78, 0.0, 0.0, 0.4, 0.7, Grip::WristSpin}},
      {"Bouncer", {0.38, 0.0, 0.0, 0.0, 1.05, Grip::Seam}},
      {"Off Spin", {0.76, 0.0, 0.5, 0.3, 0.4, Grip::FingerSpin}},
  };
  return table;
}

// The view down the pitch: t runs from the bowler's crease (0) to the
// batter's (1), u across the pitch (-1 to 1), h up in batter heights.
struct PitchView {
  double nearY = kPanel.bottom() - 6, farY = kPanel.top() + 80;
  double nearHalf = 50, farHalf = 17;
  double cx = kPanel.center().x();
  double Depth(double t) const { return t * 3.2 / (1 + 2.2 * t); }  // perspective foreshortening
  QPointF At(double t, double u, double h = 0) const {
    const double f = Depth(t);
    const double y = nearY + (farY - nearY) * f;
    const double half = nearHalf + (farHalf - nearHalf) * f;
    const double height = 150 + (56 - 150) * f;
    return {cx + u * half, y - h * height};
  }
};

void BowlersGrip(Sketch& sk, Grip grip, QPointF ball) {
  const double r = 12.5;
  double seam = 90, fingers = 90, spread = 8;
  switch (grip) {
    case Grip::Seam: seam = 90; fingers = 90; spread = 7; break;
    case Grip::Swing: seam = 60; fingers = 60; spread = 6; break;
    case Grip::Cutter: seam = 90; fingers = 20; spread = 7; break;
    case Grip::FingerSpin: seam = 30; fingers = 115; spread = 11; break;
    case Grip::WristSpin: seam = 150; fingers = 70; spread = 10; break;
    case Grip::Slow: seam = 100; fingers = 90; spread = 12; break;
  }
  // The wrist and palm come up from the bottom right corner.
  QPainterPath wrist = Polygon({ball + QPointF(4, 8), ball + QPointF(22, 4), ball + QPointF(40, 40), ball + QPointF(10, 40)});
  sk.draw(wrist, kSkin, InkPen(1.6));
  sk.draw(Circle(ball + QPointF(10, 10), 13), kSkin, InkPen(1.6));
  // The ball and its seam.
  QRadialGradient shine(ball + QPointF(-4, -4), r * 1.4);
  shine.setColorAt(0, kBall.lighter(150));
  shine.setColorAt(1, kBall.darker(115));
  sk.draw(Circle(ball, r), shine, InkPen(1.4, QColor(0x50, 0x08, 0x0c)));
  const double a = seam * M_PI / 180;
  const QPointF along(std::cos(a), std::sin(a)), across(-std::sin(a), std::cos(a));
  for (double k : {-2.2, 2.2})
    sk.stroke(Polyline({ball - along * (r * 0.92) + across * k, ball + along * (r * 0.92) + across * k}),
              QPen(QColor(0xfb, 0xf0, 0xe0), 1.1, Qt::DotLine, Qt::RoundCap));
  // Two fingers over the top, a thumb below.
  const double fa = fingers * M_PI / 180;
  const QPointF fd(std::cos(fa), std::sin(fa)), fn(-std::sin(fa), std::cos(fa));
  for (double k : {-spread / 2, spread / 2}) {
    const QPainterPath finger = Polyline({ball + fn * k - fd * 12, ball + fn * k + fd * 13, ball + fn * k + fd * 16 + QPointF(6, 3)});
    sk.stroke(finger, RoundPen(8.6, kInk));
    sk.stroke(finger, RoundPen(6, kSkin));
  }
  const QPainterPath thumb = Polyline({ball + QPointF(12, 14), ball + QPointF(2, 13)});
  sk.stroke(thumb, RoundPen(8.6, kInk));
  sk.stroke(thumb, RoundPen(6, kSkin));
}

void BowlingScene(Sketch& sk, const BowlingFace& face, const Delivery& d) {
  const Tone side = SideTone(face.side);
  Tone scene{side.main, QColor(0x5b, 0x6b, 0x7a), QColor(0xe8, 0xee, 0xf4), QColor(0xcf, 0xd9, 0xc0)};
  const double horizon = Backdrop(sk, scene, kPanel.top() + 58);
  (void)horizon;
  const PitchView v;
  // The pitch in the card's side colour, creases in white.
  QPainterPath pitch = Polygon({v.At(-0.06, -1.12), v.At(-0.06, 1.12), v.At(1.12, 1.12), v.At(1.12, -1.12)});
  sk.draw(pitch, face.side == CardSide::Grey ? QColor(0x98, 0x9c, 0xa1) : QColor(0x1e, 0x1f, 0x22),
          InkPen(1.2, QColor(0, 0, 0, 120)));
  const QPen crease = InkPen(1.6, Qt::white);
  for (double t : {0.0, 1.0}) sk.stroke(Polyline({v.At(t, -1.1), v.At(t, 1.1)}), crease);
  sk.stroke(Polyline({v.At(0.06, -1.1), v.At(0.06, 1.1)}), InkPen(1.1, Qt::white));
  sk.stroke(Polyline({v.At(0.95, -1.1), v.At(0.95, 1.1)}), InkPen(0.9, Qt::white));
  // The batter waits at the far crease, the stumps just to the left.
  const QPointF far = v.At(1.0, 0);
  sk.draw(StumpsPath(far + QPointF(-8, 0), 21), kStump, InkPen(0.8, kInk));
  Pose stance;
  stance.hip = {2, -62};
  stance.footL = {-10, 0};
  stance.footR = {14, 0};
  stance.handL = {-2, -60};
  stance.handR = {2, -66};
  stance.bat = 96;
  DrawFigure(sk, stance, Kit::Batter, far + QPointF(11, 0), 0.4, kHelmet);

  // The ball's path from the hand, through the bounce, to the batter.
  const QPointF hand(kPanel.right() - 32, kPanel.bottom() - 30);
  const QPointF release = hand - QPointF(4, 14);
  QPainterPath path(release);
  const double uEnd = 0.15 + d.swing * 0.55 + d.turn;
  const QPointF end = v.At(1.0, uEnd, d.finish * 0.9);
  QPointF bounce;
  const bool pitches = d.bounce > 0;
  // Swing bends the flight sideways, loop lifts it.
  auto bend = [&](QPointF a, QPointF b, double swing, double lift) {
    return (a + b) / 2 + QPointF(swing * 26, -lift);
  };
  if (pitches) {
    bounce = v.At(d.bounce, 0.35 + d.swing * 0.5, 0);
    path.quadTo(bend(release, bounce, d.swing, 14 + d.loop * 40), bounce);
    path.quadTo(bend(bounce, end, d.turn * 0.5, 6 + d.finish * 10), end);
  } else {
    path.quadTo(bend(release, end, d.swing, 30 + d.loop * 40), end);
  }
  sk.stroke(path, InkPen(4.8, QColor(0, 0, 0, 150)));
  QPen dash(QColor(0xff, 0xe1, 0x3b), 2.8, Qt::CustomDashLine, Qt::RoundCap);
  dash.setDashPattern({1.6, 1.3});
  sk.stroke(path, dash);
  if (pitches) {
    QPainterPath puff;
    puff.addEllipse(bounce, 6, 2.2);
    sk.fill(puff, QColor(255, 255, 255, 150));
    sk.draw(Circle(bounce - QPointF(0, 4), 4.2), kBall, InkPen(0.8, QColor(0x50, 0x08, 0x0c)));
  }
  BowlersGrip(sk, d.grip, hand);
  EndBackdrop(sk);
}

void UmpireScene(Sketch& sk, const BowlingFace& face) {
  const Tone tone = ExtraTone();
  Backdrop(sk, tone, kPanel.top() + 70);
  const QPointF feet(kPanel.center().x() + 6, kPanel.bottom() - 14);
  sk.draw(StumpsPath(feet + QPointF(-44, -6), 40), kStump, InkPen(1.1));
  Pose pose;
  pose.hip = {0, -66};
  pose.footL = {-11, 0};
  pose.footR = {11, 0};
  if (face.extra == CardExtra::Wide) {
    pose.handL = {-62, -101};  // both arms straight out
    pose.handR = {62, -101};
  } else {
    pose.handL = {-12, -62};   // one arm straight out, the other at the side
    pose.handR = {62, -101};
  }
  DrawFigure(sk, pose, Kit::Umpire, feet, 0.95, kHelmet);
  EndBackdrop(sk);
}

// ------------------------------------------------------------------ batting

struct Shot {
  Pose pose;
  bool lofted;  // the ball goes in the air
};

Pose MakePose(QPointF hip, double lean, QPointF footL, QPointF footR, QPointF handL, QPointF handR, double bat,
              bool behind = false, bool kneelL = false, bool kneelR = false) {
  Pose p;
  p.hip = hip;
  p.lean = lean;
  p.footL = footL;
  p.footR = footR;
  p.handL = handL;
  p.handR = handR;
  p.bat = bat;
  p.batBehind = behind;
  p.kneelL = kneelL;
  p.kneelR = kneelR;
  return p;
}

const std::map<std::string_view, Shot>& Shots() {
  static const std::map<std::string_view, Shot> table = {
      {"Block", {MakePose({0, -63}, -2, {-11, 0}, {13, 0}, {-4, -55}, {0, -62}, 94), false}},
      {"Push", {MakePose({-2, -60}, -8, {-22, 0}, {14, 0}, {-12, -52}, {-8, -59}, 112), false}},
      {"Chip", {MakePose({-2, -62}, -6, {-20, 0}, {14, 0}, {-18, -78}, {-14, -84}, 200), true}},
      {"Off Drive", {MakePose({-3, -60}, -10, {-24, 0}, {16, 0}, {18, -110}, {22, -116}, -125, true), false}},
      {"Cover Drive", {MakePose({-4, -58}, -15, {-26, 0}, {16, 0}, {16, -104}, {20, -110}, -140, true), false}},
      {"Square Drive", {MakePose({-5, -60}, -14, {-26, 0}, {14, 0}, {-6, -104}, {0, -110}, -160, true), false}},
      {"Straight Drive", {MakePose({-1, -60}, -4, {-20, 0}, {16, 0}, {16, -118}, {20, -124}, -104, true), false}},
      {"Lofted Drive", {MakePose({0, -62}, -2, {-24, 0}, {18, 0}, {18, -124}, {22, -130}, -96, true), true}},
      {"Slog", {MakePose({4, -60}, 12, {-22, 0}, {20, 0}, {-20, -112}, {-16, -118}, -40, false), true}},
      {"On Drive", {MakePose({2, -60}, 6, {-18, 0}, {20, 0}, {-10, -114}, {-6, -120}, -60, true), false}},
      {"Cross Batted Shot", {MakePose({3, -62}, 10, {-20, 0}, {20, 0}, {18, -88}, {22, -92}, -5), false}},
      {"Agricultural Shot", {MakePose({4, -62}, 16, {-24, -12}, {18, 0}, {22, -104}, {26, -108}, -30), true}},
      {"Pull", {MakePose({6, -62}, 12, {-6, 0}, {24, 0}, {20, -92}, {24, -96}, -8), false}},
      {"Hook", {MakePose({6, -62}, 16, {-6, 0}, {24, 0}, {16, -114}, {20, -118}, -22), true}},
      {"Fend", {MakePose({-2, -64}, -8, {-12, 0}, {14, 0}, {-4, -96}, {2, -102}, -80), true}},
      {"Thin Edge", {MakePose({-2, -60}, -8, {-22, 0}, {14, 0}, {-10, -54}, {-6, -60}, 108), false}},
      {"Thick Edge", {MakePose({-2, -60}, -10, {-24, 0}, {14, 0}, {-12, -58}, {-8, -64}, 122), false}},
      {"Reverse Sweep", {MakePose({0, -40}, -10, {-24, 0}, {14, 0}, {-20, -50}, {-16, -56}, 178, false, false, true), false}},
      {"Late Cut", {MakePose({-4, -58}, -8, {-20, 0}, {12, 0}, {-18, -66}, {-14, -72}, 130), false}},
      {"Square Cut", {MakePose({-6, -60}, -12, {-26, 0}, {8, 0}, {-26, -82}, {-22, -88}, 190), false}},
      {"Back Cut", {MakePose({-5, -60}, -10, {-22, 0}, {10, 0}, {-20, -74}, {-16, -80}, 152), false}},
      {"French Cut", {MakePose({-2, -60}, -5, {-18, 0}, {14, 0}, {-6, -58}, {-2, -64}, 98), false}},
      {"Paddle", {MakePose({2, -40}, 6, {-22, 0}, {14, 0}, {10, -46}, {14, -52}, 58, false, false, true), false}},
      {"Leg Glance", {MakePose({3, -62}, 5, {-14, 0}, {16, 0}, {8, -58}, {12, -64}, 70), false}},
      {"Sweep", {MakePose({0, -40}, 6, {-24, 0}, {14, 0}, {16, -50}, {20, -56}, 8, false, false, true), false}},
  };
  return table;
}

// Where the ball goes: the group's part of the ground, seen from the bowler's
// end (off side to the left, in front of the batter towards the viewer).
QPointF ShotTarget(CardGroup group) {
  switch (group) {
    case CardGroup::Blue: return {kPanel.left() + 6, kPanel.bottom() - 18};
    case CardGroup::Orange: return {kPanel.right() - 6, kPanel.bottom() - 18};
    case CardGroup::Purple: return {kPanel.left() + 10, kPanel.top() + 64};
    case CardGroup::Green: return {kPanel.right() - 10, kPanel.top() + 64};
    case CardGroup::None: break;
  }
  return kPanel.center();
}

// The tab's arrow: from the centre towards the group's corner.
QPointF ArrowDirection(CardGroup group) {
  switch (group) {
    case CardGroup::Blue: return {-1, 1};
    case CardGroup::Orange: return {1, 1};
    case CardGroup::Purple: return {-1, -1};
    case CardGroup::Green: return {1, -1};
    case CardGroup::None: break;
  }
  return {0, 1};
}

void BattingScene(Sketch& sk, const BattingFace& face, const Shot& shot) {
  const Tone tone = GroupTone(face.group);
  const double horizon = Backdrop(sk, tone, kPanel.top() + 56);
  const QPointF feet(kPanel.center().x() + 8, kPanel.bottom() - 12);
  // Stumps behind the batter, a crease at his feet.
  sk.stroke(Polyline({QPointF(kPanel.left(), feet.y() - 4), QPointF(kPanel.right(), feet.y() - 4)}), InkPen(1.6, Qt::white));
  sk.draw(StumpsPath(feet + QPointF(-34, -10), 50), kStump, InkPen(1.1));
  const double scale = 0.98;
  DrawFigure(sk, shot.pose, Kit::Batter, feet, scale, kHelmet);

  // The ball leaves the middle of the blade for the group's part of the ground.
  const Pose& p = shot.pose;
  const QPointF grip = feet + (p.handL + p.handR) / 2 * scale;
  const double a = p.bat * M_PI / 180;
  QPointF contact = grip + QPointF(std::cos(a), std::sin(a)) * 44 * scale;
  if (p.batBehind) contact = feet + QPointF(-14, -40);  // a drive has already left the bat
  const QPointF target = ShotTarget(face.group);
  QPainterPath path(contact);
  if (shot.lofted) {
    const QPointF mid = (contact + target) / 2;
    path.quadTo(QPointF(mid.x(), std::min(contact.y(), target.y()) - 40), target);
  } else {
    path.lineTo(target);
  }
  (void)horizon;
  QPen dash(tone.dark, 2.4, Qt::CustomDashLine, Qt::RoundCap);
  dash.setDashPattern({1.6, 1.8});
  sk.stroke(path, InkPen(4.6, QColor(255, 255, 255, 170)));
  sk.stroke(path, dash);
  const QPointF ballAt = path.pointAtPercent(0.72);
  sk.draw(Circle(ballAt, 4.4), kBall, InkPen(1.0, QColor(0x50, 0x08, 0x0c)));
  EndBackdrop(sk);
}

void BattingTab(Sketch& sk, const BattingFace& face) {
  const Tone tab = SideTone(face.tab);
  const Tone group = GroupTone(face.group);
  QPainterPath shape;
  const double w = 62, h = 102, r = kCardRadius;
  shape.moveTo(kCard.left(), kCard.top() + r);
  shape.arcTo(QRectF(kCard.left(), kCard.top(), 2 * r, 2 * r), 180, -90);
  shape.lineTo(w - 9, kCard.top());
  shape.arcTo(QRectF(w - 18, kCard.top(), 18, 18), 90, -90);
  shape.lineTo(w, h - 10);
  shape.arcTo(QRectF(w - 20, h - 20, 20, 20), 0, -90);
  shape.lineTo(kCard.left(), h);
  shape.closeSubpath();
  sk.draw(shape, tab.main, InkPen(2.2, Qt::white));
  Value(sk, face.value, QRectF(5, 2, 52, 56), tab.dark);
  // The arrow into the group's part of the ground.
  const QPointF c(w / 2, 79), d = ArrowDirection(face.group);
  const QPointF from = c - d * 12, to = c + d * 14;
  const QPainterPath arrow = ArrowPath(from, to, 7, 19, 12);
  sk.draw(arrow, group.main, InkPen(2, Qt::white));
}

// ------------------------------------------------------------------ fielding

enum class Reach { Close, Ring, Deep };

struct Position {
  double across;  // distance to the side of the batter, 0 to 1
  double along;   // distance in front of or behind the batter, 0 to 1
  Reach reach;
};

const std::map<std::string_view, Position>& Positions() {
  static const std::map<std::string_view, Position> table = {
      {"Silly Point", {0.2, 0.04, Reach::Close}},      {"Short Mid Off", {0.14, 0.3, Reach::Close}},
      {"Point", {0.55, 0.06, Reach::Ring}},            {"Cover Point", {0.5, 0.28, Reach::Ring}},
      {"Cover", {0.42, 0.45, Reach::Ring}},            {"Mid Off", {0.2, 0.55, Reach::Ring}},
      {"Long Off", {0.3, 0.9, Reach::Deep}},           {"Cover Sweeper", {0.75, 0.55, Reach::Deep}},
      {"Short Leg", {0.16, 0.04, Reach::Close}},       {"Short Mid On", {0.14, 0.3, Reach::Close}},
      {"Mid Wicket", {0.5, 0.35, Reach::Ring}},        {"Mid On", {0.2, 0.55, Reach::Ring}},
      {"Deep Mid Wicket", {0.78, 0.5, Reach::Deep}},   {"Long On", {0.3, 0.9, Reach::Deep}},
      {"Deep Square Leg", {0.92, 0.1, Reach::Deep}},   {"First Slip", {0.07, 0.17, Reach::Close}},
      {"Second Slip", {0.13, 0.16, Reach::Close}},     {"Third Slip", {0.19, 0.14, Reach::Close}},
      {"Fourth Slip", {0.25, 0.12, Reach::Close}},     {"Gully", {0.36, 0.1, Reach::Close}},
      {"Third Man", {0.55, 0.8, Reach::Deep}},         {"Deep Point", {0.92, 0.12, Reach::Deep}},
      {"Backward Short Leg", {0.14, 0.08, Reach::Close}}, {"Short Fine Leg", {0.1, 0.3, Reach::Close}},
      {"Short Square Leg", {0.22, 0.03, Reach::Close}}, {"Deep Fine Leg", {0.32, 0.9, Reach::Deep}},
      {"Long Leg", {0.62, 0.74, Reach::Deep}},
  };
  return table;
}

Pose FielderPose(Reach reach, bool catching) {
  switch (reach) {
    case Reach::Close:
      if (catching)  // diving low to the left, the ball in both hands
        return MakePose({14, -28}, -76, {50, -22}, {60, -8}, {-66, -44}, {-66, -34}, std::nan(""));
      return MakePose({0, -44}, 0, {-24, 0}, {24, 0}, {-7, -32}, {7, -32}, std::nan(""));
    case Reach::Ring:
      if (catching)  // hands high over the head
        return MakePose({0, -66}, 0, {-12, 0}, {12, 0}, {-7, -146}, {7, -146}, std::nan(""));
      return MakePose({0, -58}, -4, {-18, 0}, {16, 0}, {-20, -44}, {18, -44}, std::nan(""));
    case Reach::Deep:
      if (catching)  // cupped at the chest, under the ball
        return MakePose({0, -65}, 3, {-13, 0}, {13, 0}, {-5, -96}, {5, -96}, std::nan(""));
      return MakePose({0, -62}, -10, {-26, 0}, {20, 0}, {-34, -104}, {36, -124}, std::nan(""));  // throwing in
  }
  return {};
}

QPointF GroupSigns(CardGroup group) {
  const QPointF d = ArrowDirection(group);  // off side left, in front down
  return d;
}

// A small plan of the ground in the panel's corner with the fielder's spot.
void GroundMap(Sketch& sk, const FieldingFace& face, const Position& pos, QPointF centre, double radius) {
  const Tone tone = GroupTone(face.group);
  sk.draw(Circle(centre, radius), QColor(0xf7, 0xfb, 0xf4), InkPen(1.4, tone.dark));
  // The group's quarter of the ground.
  const QPointF s = GroupSigns(face.group);
  QPainterPath quarter;
  quarter.moveTo(centre);
  const double start = s.x() < 0 ? (s.y() > 0 ? 180 : 90) : (s.y() > 0 ? 270 : 0);
  quarter.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), start, 90);
  quarter.closeSubpath();
  sk.fill(quarter, tone.mid);
  sk.stroke(Circle(centre, radius), InkPen(1.4, tone.dark));
  QPainterPath strip;
  strip.addRect(QRectF(centre.x() - 1.6, centre.y() - 1, 3.2, radius * 0.42));
  sk.fill(strip, QColor(0xb8, 0x9a, 0x6a));
  const QPointF spot = centre + QPointF(s.x() * pos.across, s.y() * pos.along) * (radius * 0.86);
  sk.draw(Circle(spot, 3.6), kCatchRed, InkPen(1.2, Qt::white));
}

void FieldingScene(Sketch& sk, const FieldingFace& face, const Position& pos) {
  const Tone tone = GroupTone(face.group);
  Backdrop(sk, tone, kPanel.top() + 60);
  const QPointF feet(kPanel.center().x() + (pos.reach == Reach::Close && face.catching ? 14 : 0), kPanel.bottom() - 14);
  const Pose pose = FielderPose(pos.reach, face.catching);
  const double scale = pos.reach == Reach::Close ? 1.05 : 0.95;
  DrawFigure(sk, pose, Kit::Fielder, feet, scale, tone.dark);
  if (face.catching) {
    const QPointF hands = feet + (pose.handL + pose.handR) / 2 * scale;
    sk.draw(Circle(hands + QPointF(0, -5), 5), kBall, InkPen(1.0, QColor(0x50, 0x08, 0x0c)));
  } else if (pos.reach == Reach::Deep) {
    sk.draw(Circle(feet + pose.handR * scale + QPointF(0, -5), 4.6), kBall, InkPen(1.0, QColor(0x50, 0x08, 0x0c)));
  } else {
    sk.draw(Circle(feet + QPointF(-30, -5), 4.6), kBall, InkPen(1.0, QColor(0x50, 0x08, 0x0c)));
  }
  GroundMap(sk, face, pos, QPointF(kPanel.right() - 25, kPanel.top() + 25), 20);
  EndBackdrop(sk);
}

}  // namespace

// ------------------------------------------------------------------ faces

Sketch BowlingFaceSketch(int number) {
  Sketch sk;
  const BowlingFace& face = BowlingFaces().at(static_cast<std::size_t>(number - 1));
  if (face.extra != CardExtra::None) {
    const Tone red = ExtraTone();
    CardBase(sk, red.main);
    sk.text(Q(face.name).toUpper(), ValueFont(), 34, QRectF(10, 8, kW - 20, 52), Qt::AlignCenter, Qt::white,
            InkPen(3.2, red.dark));
    UmpireScene(sk, face);
    return sk;
  }
  const Tone side = SideTone(face.side);
  CardBase(sk, side.main);
  Value(sk, face.value, QRectF(5, 3, 48, 44), QColor(0, 0, 0));
  sk.fill(StumpsPath(QPointF(29, 63), 17), Qt::white);
  Name(sk, face.name, QRectF(59, 5, kW - 66, 56), QColor(0, 0, 0));
  BowlingScene(sk, face, Deliveries().at(face.name));
  return sk;
}

Sketch BattingFaceSketch(int number) {
  Sketch sk;
  const BattingFace& face = BattingFaces().at(static_cast<std::size_t>(number - 1));
  const Tone tone = GroupTone(face.group);
  CardBase(sk, tone.main);
  Name(sk, face.name, QRectF(68, 5, kW - 75, 56), tone.dark);
  BattingScene(sk, face, Shots().at(face.name));
  BattingTab(sk, face);
  return sk;
}

Sketch FieldingFaceSketch(int number) {
  Sketch sk;
  const FieldingFace& face = FieldingFaces().at(static_cast<std::size_t>(number - 1));
  const Tone tone = GroupTone(face.group);
  CardBase(sk, tone.main);
  Value(sk, face.value, QRectF(5, 2, 50, 58), tone.dark);
  double nameLeft = 60;
  if (face.catching) {
    const QRectF hand(56, 9, 33, 44);
    sk.draw(HandPath(hand), kCatchRed, InkPen(2.6, Qt::white));
    nameLeft = 94;
  }
  Name(sk, face.name, QRectF(nameLeft, 5, kW - nameLeft - 7, 56), tone.dark);
  FieldingScene(sk, face, Positions().at(face.name));
  return sk;
}

}  // namespace tanvorel
