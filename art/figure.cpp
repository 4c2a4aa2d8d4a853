#include "art/figure.h"

#include <QLineF>
#include <cmath>

#include "art/style.h"

namespace tanvorel {

namespace {

using namespace style;

constexpr double kThigh = 34, kShin = 34;
constexpr double kUpperArm = 25, kForearm = 24;
constexpr double kTorso = 46, kShoulder = 15;
constexpr double kHeadRadius = 11;
constexpr double kOutline = 2.6;

QPointF Rotate(QPointF v, double degrees) {
  const double r = degrees * M_PI / 180.0, c = std::cos(r), s = std::sin(r);
  return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

double Length(QPointF v) { return std::hypot(v.x(), v.y()); }

// The middle joint of a two-bone limb from `a` reaching for `t`, bent towards
// `prefer`. Out of reach, the limb points straight at the target.
QPointF Joint(QPointF a, QPointF t, double l1, double l2, QPointF prefer) {
  const QPointF d = t - a;
  double len = Length(d);
  if (len < 1e-6) return a + prefer * (l1 / std::max(1e-6, Length(prefer)));
  const QPointF u = d / len;
  len = std::min(len, l1 + l2 - 1e-3);
  const double cosA = std::clamp((l1 * l1 + len * len - l2 * l2) / (2 * l1 * len), -1.0, 1.0);
  const double deg = std::acos(cosA) * 180.0 / M_PI;
  const QPointF j1 = a + Rotate(u, deg) * l1, j2 = a + Rotate(u, -deg) * l1;
  const auto along = [&](QPointF j) { return QPointF::dotProduct(j - a, prefer); };
  return along(j1) >= along(j2) ? j1 : j2;
}

// Where the hand ends up when the arm cannot reach it.
QPointF Reach(QPointF a, QPointF t, double length) {
  const QPointF d = t - a;
  const double len = Length(d);
  return len <= length || len < 1e-6 ? t : a + d * (length / len);
}

struct Skeleton {
  QPointF hip, neck, head, shoulderL, shoulderR;
  QPointF kneeL, kneeR, footL, footR;
  QPointF elbowL, elbowR, handL, handR;
};

Skeleton Solve(const Pose& pose) {
  Skeleton s;
  s.hip = pose.hip;
  const QPointF up = Rotate(QPointF(0, -1), pose.lean);
  const QPointF side = Rotate(QPointF(1, 0), pose.lean);
  s.neck = s.hip + up * kTorso;
  s.head = s.neck + Rotate(up, pose.headTilt) * (kHeadRadius + 3);
  s.shoulderL = s.neck - side * kShoulder + up * -3;
  s.shoulderR = s.neck + side * kShoulder + up * -3;
  const QPointF hipL = s.hip - side * 7, hipR = s.hip + side * 7;
  s.footL = pose.footL;
  s.footR = pose.footR;
  s.kneeL = pose.kneelL ? pose.footL : Joint(hipL, pose.footL, kThigh, kShin, QPointF(-1, -0.4));
  s.kneeR = pose.kneelR ? pose.footR : Joint(hipR, pose.footR, kThigh, kShin, QPointF(1, -0.4));
  if (pose.kneelL) s.kneeL = Reach(hipL, pose.footL, kThigh + 2);
  if (pose.kneelR) s.kneeR = Reach(hipR, pose.footR, kThigh + 2);
  if (!pose.kneelL) s.footL = Reach(hipL, pose.footL, kThigh + kShin);
  if (!pose.kneelR) s.footR = Reach(hipR, pose.footR, kThigh + kShin);
  s.handL = Reach(s.shoulderL, pose.handL, kUpperArm + kForearm);
  s.handR = Reach(s.shoulderR, pose.handR, kUpperArm + kForearm);
  s.elbowL = Joint(s.shoulderL, s.handL, kUpperArm, kForearm, QPointF(-1, 0.6));
  s.elbowR = Joint(s.shoulderR, s.handR, kUpperArm, kForearm, QPointF(1, 0.6));
  return s;
}

void Limb(Sketch& sk, QPointF a, QPointF b, QPointF c, double width, const QColor& fill) {
  const QPainterPath path = Polyline({a, b, c});
  sk.stroke(path, RoundPen(width + 2 * kOutline, kInk));
  sk.stroke(path, RoundPen(width, fill));
}

void Bat(Sketch& sk, QPointF hands, double degrees) {
  QPainterPath blade;
  blade.addRoundedRect(QRectF(12, -5.2, 50, 10.4), 3, 3);
  QPainterPath handle;
  handle.addRoundedRect(QRectF(-8, -2.4, 22, 4.8), 2, 2);
  QTransform t;
  t.translate(hands.x(), hands.y());
  t.rotate(degrees);
  sk.draw(t.map(handle), QColor(0x33, 0x33, 0x3a), InkPen(1.6));
  sk.draw(t.map(blade), kWillow, InkPen(kOutline * 0.8, kWillowInk));
  // The splice and a grain line give the blade its shape at a glance.
  sk.stroke(t.map(Polyline({QPointF(14, 0), QPointF(58, 0)})), InkPen(0.9, kWillowInk.lighter(130)));
}

}  // namespace

void DrawFigure(Sketch& sk, const Pose& pose, Kit kit, QPointF feet, double scale, const QColor& capColour) {
  const Skeleton s = Solve(pose);
  sk.save();
  sk.transform() = QTransform::fromTranslate(feet.x(), feet.y()) * sk.transform();
  sk.transform() = QTransform::fromScale(scale, scale) * sk.transform();

  const bool batter = kit == Kit::Batter, umpire = kit == Kit::Umpire;
  const QColor trousers = umpire ? QColor(0x2e, 0x30, 0x3c) : kKit;
  const QColor legColour = batter ? kKit : trousers;
  const double legWidth = batter ? 17 : 14;
  const QPointF side = Rotate(QPointF(1, 0), pose.lean);
  const QPointF up = Rotate(QPointF(0, -1), pose.lean);
  const QPointF hipL = s.hip - side * 7, hipR = s.hip + side * 7;
  const bool hasBat = !std::isnan(pose.bat);
  const QPointF grip = (s.handL + s.handR) / 2;

  // Shadow on the grass.
  QPainterPath shadow;
  shadow.addEllipse(QPointF((s.footL.x() + s.footR.x()) / 2, 1), std::abs(s.footR.x() - s.footL.x()) / 2 + 16, 5);
  sk.fill(shadow, QColor(0, 0, 0, 40));

  if (hasBat && pose.batBehind) Bat(sk, grip, pose.bat);

  // Legs, shoes, pads.
  for (int i = 0; i < 2; ++i) {
    const QPointF hip = i == 0 ? hipL : hipR, knee = i == 0 ? s.kneeL : s.kneeR, foot = i == 0 ? s.footL : s.footR;
    const bool kneel = i == 0 ? pose.kneelL : pose.kneelR;
    if (kneel) {
      Limb(sk, hip, (hip + knee) / 2, knee, legWidth, legColour);
      sk.draw(Circle(knee, legWidth * 0.55), legColour, InkPen(kOutline * 0.8));
    } else {
      Limb(sk, hip, knee, foot - QPointF(0, 4), legWidth, legColour);
      QPainterPath shoe;
      shoe.addRoundedRect(QRectF(foot.x() - 9, foot.y() - 6, 18, 7), 3.5, 3.5);
      sk.draw(shoe, umpire ? QColor(0x1a, 0x1a, 0x1a) : QColor(0xf4, 0xf4, 0xf0), InkPen(kOutline * 0.8));
      if (batter) {
        // Pad ridges down the shin.
        const QPointF d = foot - knee;
        const QPointF n = QPointF(-d.y(), d.x()) / std::max(1.0, Length(d));
        for (double k : {-4.5, 0.0, 4.5})
          sk.stroke(Polyline({knee + n * k + d * 0.1, knee + n * k + d * 0.8}), InkPen(0.9, kKitShade.darker(115)));
      }
    }
  }

  // Torso: shirt, or the umpire's long coat.
  {
    const double waist = umpire ? 15 : 12, hem = umpire ? 18 : 4;  // how far the hem falls below the hip
    QPainterPath torso = Polygon({s.hip - side * waist - up * hem,
                                  s.shoulderL - side * 2, s.neck + up * 2, s.shoulderR + side * 2,
                                  s.hip + side * waist - up * hem});
    torso = torso.simplified();
    sk.draw(torso, umpire ? QColor(0xfd, 0xfd, 0xf8) : kKit, InkPen(kOutline));
    // Collar and a sweater line.
    sk.stroke(Polyline({s.neck - side * 5 + up * 1, s.neck - up * 4, s.neck + side * 5 + up * 1}), InkPen(1.2));
    if (umpire) sk.stroke(Polyline({s.neck - up * 4, s.hip - up * hem}), InkPen(0.9, kKitShade.darker(120)));
  }

  // Head: face, then helmet, cap or hat.
  sk.draw(Circle(s.head, kHeadRadius), kSkin, InkPen(kOutline));
  const QPointF hup = Rotate(up, pose.headTilt), hside = Rotate(side, pose.headTilt);
  if (batter) {
    QPainterPath dome;
    dome.moveTo(s.head - hside * 13 + hup * 1);
    dome.cubicTo(s.head - hside * 13 + hup * 17, s.head + hside * 13 + hup * 17, s.head + hside * 13 + hup * 1);
    dome.lineTo(s.head + hside * 14 - hup * 1.5);
    dome.lineTo(s.head - hside * 14 - hup * 1.5);
    dome.closeSubpath();
    sk.draw(dome, kHelmet, InkPen(kOutline * 0.8));
    for (double k : {-4.0, 1.0, 6.0})
      sk.stroke(Polyline({s.head - hside * 8 - hup * k, s.head + hside * 8 - hup * k}), InkPen(1.3, QColor(0x9a, 0xa0, 0xaa)));
    sk.stroke(Polyline({s.head - hup * -1, s.head - hup * 8}), InkPen(1.1, QColor(0x9a, 0xa0, 0xaa)));
  } else {
    const double brim = umpire ? 15 : 10;
    QPainterPath cap;
    cap.moveTo(s.head - hside * 10.5 + hup * 2);
    cap.cubicTo(s.head - hside * 10 + hup * 15, s.head + hside * 10 + hup * 15, s.head + hside * 10.5 + hup * 2);
    cap.closeSubpath();
    QPainterPath peak;
    peak.addEllipse(s.head + hup * 2.5, brim, 3);
    const QColor hat = umpire ? QColor(0xf2, 0xe8, 0xcf) : capColour;
    sk.draw(cap.united(peak), hat, InkPen(kOutline * 0.8));
    // Eyes, so the face reads as a face.
    sk.fill(Circle(s.head - hside * 3.8 - hup * 1.5, 1.2), kInk);
    sk.fill(Circle(s.head + hside * 3.8 - hup * 1.5, 1.2), kInk);
  }

  // Arms: sleeve to the elbow, then forearm, then hand or glove.
  const QColor forearm = batter ? kKit : kSkin;
  for (int i = 0; i < 2; ++i) {
    const QPointF sh = i == 0 ? s.shoulderL : s.shoulderR, el = i == 0 ? s.elbowL : s.elbowR,
                  ha = i == 0 ? s.handL : s.handR;
    const QPainterPath arm = Polyline({sh, el, ha});
    sk.stroke(arm, RoundPen(9 + 2 * kOutline, kInk));
    sk.stroke(Polyline({el, ha}), RoundPen(8, forearm));
    sk.stroke(Polyline({sh, el}), RoundPen(9.5, umpire ? QColor(0xfd, 0xfd, 0xf8) : kKit));
  }
  if (hasBat && !pose.batBehind) Bat(sk, grip, pose.bat);
  for (QPointF hand : {s.handL, s.handR}) {
    if (batter) {
      sk.draw(Circle(hand, 6.2), kKit, InkPen(kOutline * 0.8));
      sk.stroke(Polyline({hand + QPointF(-3, -1), hand + QPointF(3, -1)}), InkPen(0.9, kHelmet));
    } else {
      sk.draw(Circle(hand, 4.8), kSkin, InkPen(kOutline * 0.8));
    }
  }
  sk.restore();
}

}  // namespace tanvorel
