// The five slides of the splash: how the game is played, one step a slide.

#include <QPainterPath>

#include "art/card_faces.h"
#include "art/style.h"
#include "tools/media/media_art.h"

namespace tanvorel::media {

using namespace look;

namespace {

constexpr double kW = kSlideSize.width();
constexpr double kH = kSlideSize.height();
constexpr double kHeader = 76;
constexpr double kFooterTop = 545;
// Content stays left of this, clear of the skip button's hint at the right edge.
constexpr double kTextRight = 735;

const QColor kOut = kRed;                   // a wicket
const QColor kRuns{0x2c, 0x8a, 0x3a};       // runs scored
const QColor kNothing{0x5f, 0x66, 0x70};    // no runs

// Header band with the step number, footer with a word on how the slides end.
void Frame(QPainter& p, int number) {
  p.fillRect(QRectF(0, 0, kW, kH), Qt::white);
  QLinearGradient band(0, 0, 0, kHeader);
  band.setColorAt(0, kGreen.lighter(118));
  band.setColorAt(1, kGreen.darker(108));
  p.fillRect(QRectF(0, 0, kW, kHeader), band);
  p.fillRect(QRectF(0, kHeader - 4, kW, 4), kDarkGreen);
  DrawBall(p, QPointF(42, kHeader / 2 - 1), 19, 30);
  DrawText(p, QRectF(kW - 220, 0, 200, kHeader - 4), QString("How to play  %1 / %2").arg(number).arg(kSlideCount),
           Font("Arial", 15, QFont::Bold), Qt::white, Qt::AlignRight | Qt::AlignVCenter);

  p.fillRect(QRectF(0, kFooterTop, kW, kH - kFooterTop), kPaleGreen);
  p.fillRect(QRectF(0, kFooterTop, kW, 2), kGreen.lighter(150));
  DrawText(p, QRectF(24, kFooterTop, kW - 48, kH - kFooterTop),
           "Tanvorel Card Cricket  \u2022  the match starts after the slides", Font("Arial", 14), kDarkGreen,
           Qt::AlignLeft | Qt::AlignVCenter);
  // The skip button is a sliver at the window's right edge: point it out.
  DrawText(p, QRectF(kW - 80, 226, 66, 30), "skip \u25B8", Font("Arial", 12), QColor(0xb4, 0xb8, 0xbe),
           Qt::AlignRight | Qt::AlignVCenter);
}

void Title(QPainter& p, const QString& title) {
  const QFont font = Font("Comic Sans MS", 36, QFont::Bold);
  QPainterPath path;
  path.addText(0, 0, font, title);
  const QRectF bounds = path.boundingRect();
  DrawLettering(p, title, font, QPointF(76 + bounds.width() / 2, kHeader / 2 - 2), 2.5, Qt::white, kDarkGreen);
}

// A bullet line: a coloured marker and wrapped text. Returns the next top.
double Bullet(QPainter& p, double left, double top, double width, const QColor& marker, const QString& text,
              double pixels = 17) {
  const QFont font = Font("Arial", pixels);
  const QFontMetricsF metrics(font);
  const QRectF box(left + 26, top, width - 26, 400);
  const QRectF used = metrics.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, text);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(marker.darker(130), 1));
  p.setBrush(marker);
  p.drawRoundedRect(QRectF(left + 2, top + pixels * 0.3, 14, 14), 3, 3);
  p.restore();
  DrawText(p, box, text, font);
  return top + used.height() + 14;
}

void Intro(QPainter& p, const QString& text) {
  DrawText(p, QRectF(30, kHeader + 14, kW - 60, 60), text, Font("Arial", 18));
}

void Bowling(QPainter& p) {
  Frame(p, 1);
  Title(p, "Bowling");
  const QPointF fan(215, 330);
  DrawCard(p, BowlingCard(1, CardSide::Black), fan + QPointF(-105, 22), 250, -14);
  DrawCard(p, BowlingCard(4, CardSide::Grey), fan + QPointF(0, -4), 250, 0);
  DrawCard(p, BowlingCard(7, CardSide::Black), fan + QPointF(105, 22), 250, 14);

  const double left = 425, width = kTextRight - left;
  double y = kHeader + 34;
  y = Bullet(p, left, y, width, kGreen, "Every ball starts with the bowler, who plays one bowling card.");
  y = Bullet(p, left, y, width, QColor(0x22, 0x22, 0x22), "Black cards are leg side deliveries.");
  y = Bullet(p, left, y, width, QColor(0xa0, 0xa4, 0xaa), "Grey cards are on side deliveries.");
  y = Bullet(p, left, y, width, kGreen,
             "The number says how hard the ball is to hit: a 1 or a 2 is tight bowling, a 5 or more is poor bowling.");
  y = Bullet(p, left, y, width, kRed, "The red cards are extras: see slide 4.");
  Bullet(p, left, y, width, kGreen, "Then the batter on strike must answer the ball...");
}

void Batting(QPainter& p) {
  Frame(p, 2);
  Title(p, "Batting");
  Intro(p, "The batter on strike answers with a batting card. Its corner tab must have the colour of the "
           "bowling card, and its number decides the shot.");
  const double cy = 300;
  DrawCard(p, BowlingCard(4, CardSide::Black), QPointF(92, cy), 230);
  DrawBadge(p, "The bowler plays a black 4", QPointF(92, cy + 125), 150, QColor(0x33, 0x36, 0x3c));
  DrawArrow(p, QPointF(178, cy - 10), QPointF(220, cy - 10), -10, kGreen, 5);

  struct Answer { PicturePtr card; const char* text; QColor colour; };
  const Answer answers[] = {
      {BattingCardOtherTab(CardSide::Black), "Grey tab: wrong colour, BOWLED", kOut},
      {BattingCard(4, CardSide::Black), "Same number: out LBW", kOut},
      {BattingCard(6, CardSide::Black), "Higher: a defensive shot, no runs", kNothing},
      {BattingCard(2, CardSide::Black), "Lower: a scoring shot worth 2 runs", kRuns},
  };
  double x = 292;
  for (const Answer& a : answers) {
    DrawCard(p, a.card, QPointF(x, cy - 10), 190);
    DrawBadge(p, a.text, QPointF(x, cy + 98), 120, a.colour);
    x += 127;
  }
  DrawText(p, QRectF(30, 482, kW - 60, 60),
           "A scoring shot sends the ball into one part of the ground: the colour of the batting card. Now the "
           "fielder tries to stop it.",
           Font("Arial", 16), kText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

void Fielding(QPainter& p) {
  Frame(p, 3);
  Title(p, "Fielding");
  Intro(p, "After a scoring shot the fielder answers with a fielding card. Only a card of the batting card's "
           "colour, the part of the ground the ball went to, can stop the runs.");
  const double cy = 300;
  DrawCard(p, BattingCard(4, CardSide::Black, CardGroup::Blue), QPointF(80, cy), 205);
  DrawBadge(p, "A blue 4 is hit: 4 runs to the blue part", QPointF(80, cy + 112), 140, QColor(0x1f, 0x5f, 0xb5));
  DrawArrow(p, QPointF(152, cy - 10), QPointF(186, cy - 10), -8, kGreen, 5);

  struct Answer { PicturePtr card; const char* text; QColor colour; };
  const Answer answers[] = {
      {FieldingCardNotIn(CardGroup::Blue), "Another colour: a misfield, 4 runs", kRuns},
      {FieldingCard(4, CardGroup::Blue, true), "Same number with the red hand: CAUGHT", kOut},
      {FieldingCard(4, CardGroup::Blue, false), "Same number: stopped, no runs", kNothing},
      {FieldingCard(1, CardGroup::Blue, false), "Lower: cut to 4 \u2212 1 = 3 runs", kRuns},
      {FieldingCard(6, CardGroup::Blue, false), "Higher: a misfield, 4 runs", kRuns},
  };
  double x = 246;
  for (const Answer& a : answers) {
    DrawCard(p, a.card, QPointF(x, cy - 14), 152);
    DrawBadge(p, a.text, QPointF(x, cy + 74), 106, a.colour, 12.5);
    x += 111;
  }
  DrawText(p, QRectF(30, 482, kW - 60, 60),
           "The runs go on the score book, and the next ball begins. Odd runs swap the batters, so the other one "
           "faces the next ball.",
           Font("Arial", 16), kText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

// Three stumps with the bails flying off and the ball that hit them.
void BrokenWicket(QPainter& p, QPointF base, double height) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double w = height * 0.07, gap = height * 0.2;
  for (int i = -1; i <= 1; ++i) {
    const QRectF stump(base.x() + i * gap - w / 2, base.y() - height, w, height);
    p.setPen(style::InkPen(2.5));
    p.setBrush(style::kStump);
    p.save();
    p.translate(stump.center().x(), base.y());
    p.rotate(i * 4.0 + (i == 0 ? -7 : 0));
    p.drawRoundedRect(QRectF(-w / 2, -height, w, height), w / 2, w / 2);
    p.restore();
  }
  for (int i = 0; i < 2; ++i) {
    p.save();
    p.translate(base.x() + (i == 0 ? -gap * 0.9 : gap * 1.2), base.y() - height - 14 - i * 14);
    p.rotate(i == 0 ? -35 : 28);
    p.setPen(style::InkPen(2.5));
    p.setBrush(style::kStump);
    p.drawRoundedRect(QRectF(-gap * 0.5, -4, gap, 8), 4, 4);
    p.restore();
  }
  // Little strokes of the impact.
  p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 5; ++i) {
    const double a = qDegreesToRadians(-150.0 + i * 26);
    const QPointF c = base + QPointF(-gap * 1.5, -height * 0.45);
    p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 24, c + QPointF(std::cos(a), std::sin(a)) * 36);
  }
  p.restore();
  DrawBall(p, base + QPointF(-gap * 1.5, -height * 0.45), 15, -20);
}

void ExtrasAndWickets(QPainter& p) {
  Frame(p, 4);
  Title(p, "Extras and wickets");
  const double cy = 235;
  DrawCard(p, BowlingExtra(CardExtra::Wide), QPointF(105, cy), 210, -6);
  DrawCard(p, BowlingExtra(CardExtra::NoBall), QPointF(255, cy), 210, 6);
  for (const QPointF at : {QPointF(160, cy + 88), QPointF(305, cy + 92)}) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(kRuns);
    p.drawEllipse(at, 25, 25);
    p.restore();
    DrawText(p, QRectF(at.x() - 25, at.y() - 25, 50, 50), "+1", Font("Arial", 21, QFont::Bold), Qt::white,
             Qt::AlignCenter);
  }
  double y = 370;
  y = Bullet(p, 30, y, 340, kRed, "A red Wide or No Ball is an extra: a bonus run for the batting side.");
  Bullet(p, 30, y, 340, kRed, "The ball is bowled again, and the bowler gets a fresh card.");

  BrokenWicket(p, QPointF(600, 260), 140);
  y = 300;
  y = Bullet(p, 420, y, kTextRight - 420, kRed, "A batter is out when bowled, LBW or caught. Ten wickets end the innings.");
  y = Bullet(p, 420, y, kTextRight - 420, kGreen, "Six balls make an over. After each over fresh hands are dealt and everyone "
                                     "moves on to a new role: bowler, batter or fielder.");
}

void Winning(QPainter& p) {
  Frame(p, 5);
  Title(p, "Winning the match");
  const PicturePtr book = ScoreBookPicture();
  const double bookW = 372, bookH = bookW * book->size().height() / book->size().width();
  book->draw(p, QRectF(22, kHeader + 26, bookW, bookH));
  const double left = 420, width = kTextRight - left;
  double y = kHeader + 30;
  y = Bullet(p, left, y, width, kGreen, "Each side bats for one innings: ten overs of six balls, or until ten "
                                        "wickets fall.");
  y = Bullet(p, left, y, width, kGreen, "You and Venna bat first, against Uncle Marlo and Dad. Then the sides swap.");
  y = Bullet(p, left, y, width, kRed, "The side batting second chases the first side's total: pass it to win!");

  const PicturePtr pad = NotepadPagePicture();
  const QRectF padBox(30, 425, 86, 86 * pad->size().height() / pad->size().width());
  pad->draw(p, padBox);
  DrawText(p, padBox.adjusted(14, 34, -6, -8), "Click to\nContinue", Font("Comic Sans MS", 12, QFont::Bold),
           QColor(0x1f, 0x3c, 0x88), Qt::AlignHCenter | Qt::AlignTop);
  DrawText(p, QRectF(132, 432, 270, 100),
           "The notepad explains every ball. Press Click to Continue to move on, or let demo mode play for you.",
           Font("Arial", 15));
  DrawLettering(p, "Good luck!", Font("Comic Sans MS", 40, QFont::Bold), QPointF(590, 470), 3);
}

}  // namespace

QImage Slide(int number) {
  QImage image(kSlideSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  switch (number) {
    case 1: Bowling(p); break;
    case 2: Batting(p); break;
    case 3: Fielding(p); break;
    case 4: ExtrasAndWickets(p); break;
    case 5: Winning(p); break;
    default: break;
  }
  return image;
}

}  // namespace tanvorel::media
