#pragma once
// People in the pictures: a batter, a fielder or an umpire seen from the
// bowler's end, posed by a handful of joint positions and drawn in the
// shared outlined style.

#include <QPointF>
#include <cmath>

#include "art/sketch.h"

namespace tanvorel {

enum class Kit { Batter, Fielder, Umpire };

// A pose in figure units: the feet stand on y = 0, up is negative y, a
// standing figure is about 140 units tall. "Left" and "right" are the
// picture's.
struct Pose {
  QPointF hip{0, -64};
  double lean = 0;  // torso tilt in degrees, positive towards the right
  QPointF footL{-13, 0};
  QPointF footR{13, 0};
  bool kneelL = false;  // that knee rests on the ground at its foot point
  bool kneelR = false;
  QPointF handL{-12, -62};
  QPointF handR{12, -62};
  double bat = std::nan("");  // direction of the blade from the hands, degrees (0 right, 90 down); NaN: no bat
  bool batBehind = false;     // the bat passes behind the body (a follow-through)
  double headTilt = 0;
};

// Draws the figure with its feet centred on `feet`, `scale` picture pixels
// per figure unit.
void DrawFigure(Sketch& sketch, const Pose& pose, Kit kit, QPointF feet, double scale, const QColor& capColour);

}  // namespace tanvorel
