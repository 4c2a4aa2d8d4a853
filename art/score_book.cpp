// The open score book. Every box is built from the label positions of
// table/score_sheet_layout.h, mapped into the picture's pixels, so the
// labels the table window lays over the picture always sit in their boxes.

#include <QLinearGradient>
#include <array>
#include <cmath>
#include <vector>

#include "art/art_sizes.h"
#include "art/fonts.h"
#include "art/painters.h"
#include "art/style.h"
#include "table/score_sheet_layout.h"

namespace tanvorel {

namespace {

using namespace style;

const QColor kPaper(0xfc, 0xf8, 0xec);
const QColor kRule(0x3d, 0x5f, 0x9a);
const QColor kPrint(0x1d, 0x36, 0x66);
const QColor kCover(0x6b, 0x1e, 0x1e);

QPointF Pic(double twipX, double twipY) {
  const PicturePoint p = ScoreBookPicturePoint(twipX, twipY);
  return {p.x, p.y};
}
QPointF Centre(TwipPoint topLeft, int width, int height) {
  return Pic(topLeft.x + width / 2.0, topLeft.y + height / 2.0);
}
QPointF Unit(QPointF v) {
  const double l = std::hypot(v.x(), v.y());
  return l > 0 ? v / l : QPointF(1, 0);
}
double Degrees(QPointF v) { return std::atan2(v.y(), v.x()) * 180.0 / M_PI; }

QFont PrintFont() { return PictureFont("Arial", 64, QFont::Bold); }

// Text printed on the page along the direction `along`, centred on `at`.
void Print(Sketch& sk, const QString& text, QPointF at, QPointF along, double size, double width = 200,
           Qt::Alignment align = Qt::AlignCenter) {
  sk.save();
  sk.transform() = QTransform().translate(at.x(), at.y()).rotate(Degrees(along)) * sk.transform();
  QRectF box(-width / 2, -size, width, 2 * size);
  if (align & Qt::AlignLeft) box.moveLeft(0);
  if (align & Qt::AlignRight) box.moveRight(0);
  sk.text(text, PrintFont(), size, box, align | Qt::AlignVCenter, kPrint);
  sk.restore();
}

// A smooth line through the points (a Catmull-Rom spline), as a hand rules
// a page that is not quite flat.
QPainterPath Smooth(const std::vector<QPointF>& pts, QPainterPath path = {}, bool join = false) {
  if (pts.empty()) return path;
  if (join) path.lineTo(pts[0]);
  else path.moveTo(pts[0]);
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
    const QPointF p0 = pts[i == 0 ? 0 : i - 1], p1 = pts[i], p2 = pts[i + 1], p3 = pts[std::min(i + 2, pts.size() - 1)];
    path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
  }
  return path;
}

QPainterPath Quad(QPointF a, QPointF b, QPointF c, QPointF d) { return Polygon({a, b, c, d}); }

// One page: the over grid, the extras and subtotal rows, the wickets and
// total rows, and the score box, for overs first..first+9 and innings `innings`.
void Page(Sketch& sk, int firstOver, int innings, const QString& heading) {
  // Centres of the ball cells, extended by one on every side so that each
  // grid corner can be the average of the four centres around it.
  std::array<std::array<QPointF, 8>, 12> c{};  // [column + 1][row + 1]
  for (int m = 0; m < 10; ++m)
    for (int b = 0; b < 6; ++b)
      c[m + 1][b + 1] = Centre(kOverCells[static_cast<std::size_t>(firstOver - 1 + m)].balls[static_cast<std::size_t>(b)],
                               kCellSize, kCellSize);
  for (int b = 1; b <= 6; ++b) {
    c[0][b] = 2 * c[1][b] - c[2][b];
    c[11][b] = 2 * c[10][b] - c[9][b];
  }
  for (int m = 0; m <= 11; ++m) {
    c[m][0] = 2 * c[m][1] - c[m][2];
    c[m][7] = 2 * c[m][6] - c[m][5];
  }
  auto corner = [&](int i, int j) { return (c[i][j] + c[i + 1][j] + c[i][j + 1] + c[i + 1][j + 1]) / 4; };

  const QPointF across = Unit(c[10][1] - c[1][1]);
  const QPointF down = Unit(c[1][6] - c[1][1]);
  const QPen thin(kRule, 1.1), bold(kRule, 2.0);

  // The over grid: ten columns, six rows.
  auto columnLine = [&](int i) {
    std::vector<QPointF> pts;
    for (int j = 0; j <= 6; ++j) pts.push_back(corner(i, j));
    return pts;
  };
  auto rowLine = [&](int j) {
    std::vector<QPointF> pts;
    for (int i = 0; i <= 10; ++i) pts.push_back(corner(i, j));
    return pts;
  };
  auto reversed = [](std::vector<QPointF> v) { return std::vector<QPointF>(v.rbegin(), v.rend()); };
  QPainterPath outline = Smooth(rowLine(0));
  outline = Smooth(columnLine(10), outline, true);
  outline = Smooth(reversed(rowLine(6)), outline, true);
  outline = Smooth(reversed(columnLine(0)), outline, true);
  outline.closeSubpath();
  sk.fill(outline, QColor(0xff, 0xff, 0xff, 200));
  for (int i = 1; i < 10; ++i) sk.stroke(Smooth(columnLine(i)), thin);
  for (int j = 1; j < 6; ++j) sk.stroke(Smooth(rowLine(j)), thin);
  sk.stroke(outline, bold);

  // Column numbers over the grid, the OVERS heading over them, the page's
  // heading over that, and room above it for the team's name.
  for (int i = 0; i < 10; ++i) {
    const QPointF top = (corner(i, 0) + corner(i + 1, 0)) / 2;
    Print(sk, QString::number(i + 1), top - down * 9, across, 11, 30);
  }
  const QPointF gridTop = (corner(0, 0) + corner(10, 0)) / 2;
  Print(sk, "OVERS", gridTop - down * 27, across, 13);
  Print(sk, heading, gridTop - down * 52, across, 17, 300);

  // A row of ten boxes ruled straight along the line that best fits the
  // given centres, tall enough that every centre sits well inside its box.
  // Returns the row's half height and, in `line`, the centres moved onto the
  // ruled line.
  auto row = [&](const std::array<QPointF, 10>& centres, double minHalf, const QString& caption,
                 std::array<QPointF, 10>* line = nullptr) {
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (QPointF c : centres) sx += c.x(), sy += c.y(), sxx += c.x() * c.x(), sxy += c.x() * c.y();
    const double slope = (10 * sxy - sx * sy) / (10 * sxx - sx * sx), base = (sy - slope * sx) / 10;
    const QPointF normal = Unit(QPointF(-slope, 1));
    std::array<QPointF, 10> onLine{};
    double half = minHalf;
    for (int i = 0; i < 10; ++i) {
      onLine[i] = QPointF(centres[i].x(), base + slope * centres[i].x());
      half = std::max(half, std::abs(QPointF::dotProduct(centres[i] - onLine[i], normal)) + 7.5);
    }
    std::array<QPointF, 11> edges{};
    for (int i = 1; i < 10; ++i) edges[i] = (onLine[i - 1] + onLine[i]) / 2;
    edges[0] = 2 * onLine[0] - edges[1];
    edges[10] = 2 * onLine[9] - edges[9];
    const QPointF h = normal * half;
    const QPainterPath box = Quad(edges[0] - h, edges[10] - h, edges[10] + h, edges[0] + h);
    sk.fill(box, QColor(0xff, 0xff, 0xff, 200));
    for (int i = 1; i < 10; ++i) sk.stroke(Polyline({edges[i] - h, edges[i] + h}), thin);
    sk.stroke(box, bold);
    Print(sk, caption, edges[0] - h - normal * 7, Unit(QPointF(1, slope)), 10.5, 120, Qt::AlignLeft);
    if (line) *line = onLine;
    return half;
  };
  std::array<QPointF, 10> extras{}, subtotal{}, ruled{}, wickets{}, total{};
  for (int m = 0; m < 10; ++m) {
    const OverCells& over = kOverCells[static_cast<std::size_t>(firstOver - 1 + m)];
    extras[m] = Centre(over.extras, kCellSize, kCellSize);
    subtotal[m] = Centre(over.subtotal, kCellSize, kCellSize);
  }
  row(extras, 13.5, "EXTRAS");
  const double subHalf = row(subtotal, 13.5, "SUBTOTAL", &ruled);
  // The wickets and total rows take nothing written: ruled under the
  // subtotal row, each with its caption above it.
  const double rowHalf = 11.5, caption = 13;
  QPointF below;
  for (int m = 0; m < 10; ++m) below += subtotal[m] - extras[m];  // down the page, as the rows above step
  below = Unit(below);
  for (int m = 0; m < 10; ++m) {
    wickets[m] = ruled[m] + below * (subHalf + caption + rowHalf);
    total[m] = wickets[m] + below * (2 * rowHalf + caption);
  }
  row(wickets, rowHalf, "WICKETS");
  row(total, rowHalf, "TOTAL");

  // The score box: runs and wickets side by side along the page's slant.
  const QPointF runs = Centre(kScoreTotalCells[static_cast<std::size_t>(innings - 1)], kTotalWidth, kTotalHeight);
  const QPointF wkts = Centre(kWicketsCells[static_cast<std::size_t>(innings - 1)], kTotalWidth, kTotalHeight);
  const QPointF axis = wkts - runs;
  const QPointF half = axis / 2;
  const QPointF n = QPointF(-Unit(axis).y(), Unit(axis).x()) * 27;
  const QPointF left = runs - half, middle = runs + half, right = wkts + half;
  const QPainterPath scoreBox = Quad(left - n, right - n, right + n, left + n);
  sk.fill(scoreBox, QColor(0xff, 0xff, 0xff, 220));
  sk.stroke(Polyline({middle - n, middle + n}), thin);
  sk.stroke(scoreBox, bold);
  const QPointF a = Unit(axis);
  Print(sk, "RUNS", runs - n * 0.72, a, 8.5, 60);
  Print(sk, "WICKETS", wkts - n * 0.72, a, 8.5, 70);
  Print(sk, "SCORE", left - a * 26, a, 12, 60);
}

// A page's paper with a gradient darkening into the spine.
void Paper(Sketch& sk, const QPainterPath& page, QPointF outer, QPointF spine) {
  QLinearGradient shade(outer, spine);
  shade.setColorAt(0, kPaper);
  shade.setColorAt(0.82, kPaper);
  shade.setColorAt(1, kPaper.darker(118));
  sk.draw(page, shade, InkPen(1.2, QColor(0x8a, 0x80, 0x6a)));
}

}  // namespace

Sketch ScoreBookSketch() {
  Sketch sk;
  // Page corners: the left page lies nearly flat, the right one is turned so
  // that its rows slope down to the right.
  const QPointF lTL(16, 22), lTR(462, 6), lBR(466, 724), lBL(12, 742);
  const QPointF rTL(462, 6), rTR(976, 150), rBR(982, 816), rBL(466, 724);

  // The cover, showing round the pages, and the page edges below them.
  const QPointF grow(7, 7);
  sk.draw(Polygon({lTL - grow, rTL - QPointF(0, 6), rTR + QPointF(7, -7), rBR + grow, rBL + QPointF(0, 8),
                   lBL + QPointF(-7, 8)}),
          kCover, InkPen(1.4, QColor(0x3a, 0x0c, 0x0c)));
  for (int k = 3; k >= 1; --k) {
    const QPointF dy(0, 2.2 * k);
    sk.draw(Polygon({lBL + dy, lBR + dy, rBL + dy, rBR + dy, rTR + dy * 0.3, rBR, rBL, lBR, lBL}),
            QColor(0xee, 0xe8, 0xd6), QPen(QColor(0xa8, 0x9e, 0x88), 0.8));
  }
  Paper(sk, Polygon({lTL, lTR, lBR, lBL}), (lTL + lBL) / 2, (lTR + lBR) / 2);
  Paper(sk, Polygon({rTL, rTR, rBR, rBL}), (rTR + rBR) / 2, (rTL + rBL) / 2);
  sk.stroke(Polyline({lTR, lBR}), InkPen(2, QColor(0x8a, 0x80, 0x6a)));

  Page(sk, 1, 1, "HOME TEAM");
  Page(sk, 11, 2, "AWAY TEAM");
  return sk;
}

}  // namespace tanvorel
