#pragma once
// The pictures of the splash's side files, drawn with QPainter from the
// program's own art library: the slides that teach the rules and the frames
// of the two videos.

#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

#include "art/card_faces.h"
#include "cards/art_library.h"

namespace tanvorel::media {

// The splash's client area, which the slides fill.
inline constexpr QSize kSlideSize{794, 575};
// The video player's area (even sizes, as video codecs want them).
inline constexpr QSize kVideoSize{792, 572};
inline constexpr int kSlideCount = 5;

// Slide `number`, 1 to kSlideCount.
QImage Slide(int number);

// The two videos, frame by frame.
inline constexpr int kFramesPerSecond = 20;
inline constexpr double kOpeningSeconds = 6.0;
inline constexpr double kClosingSeconds = 5.0;

// The table as the game opens it, for the closing video to deal onto.
struct TableScene {
  QImage withoutCards;  // the set-up table with its cards taken off, kVideoSize
  struct Card {
    PicturePtr picture;
    QRectF place;  // where it lies on withoutCards
    bool faceUp;
  };
  std::vector<Card> cards;  // in the order they are dealt
};

// The opening video at `seconds`: the title and the three kinds of card.
QImage OpeningFrame(double seconds);
// The closing video at `seconds`: the cards dealt onto the table.
QImage ClosingFrame(double seconds, const TableScene& table);

// Card pictures picked from the face table by what they show.
PicturePtr BowlingCard(int value, CardSide side);
PicturePtr BowlingExtra(CardExtra extra);
// CardGroup::None: any group.
PicturePtr BattingCard(int value, CardSide tab, CardGroup group = CardGroup::None);
PicturePtr BattingCardOtherTab(CardSide notTab);
PicturePtr FieldingCard(int value, CardGroup group, bool catching);
PicturePtr FieldingCardNotIn(CardGroup notGroup);

// Shared drawing.
namespace look {
inline const QColor kGreen{0x2c, 0x9a, 0x3c};
inline const QColor kDarkGreen{0x15, 0x5d, 0x22};
inline const QColor kPaleGreen{0xe6, 0xf4, 0xe4};
inline const QColor kRed{0xc8, 0x1d, 0x25};
inline const QColor kText{0x1b, 0x1f, 0x2a};
inline const QColor kGrey{0x6b, 0x70, 0x78};

QFont Font(const QString& family, double pixels, int weight = QFont::Normal);
// A card picture centred on `centre`, `height` tall, turned by `degrees`,
// with a soft shadow.
void DrawCard(QPainter& p, const PicturePtr& card, QPointF centre, double height, double degrees = 0,
              double opacity = 1.0);
// A card's width for its height.
double CardWidth(const PicturePtr& card, double height);
// Text in green lettering with a dark outline, like the title.
void DrawLettering(QPainter& p, const QString& text, const QFont& font, QPointF centre, double outline = 3.0,
                   const QColor& fill = kGreen, const QColor& edge = kDarkGreen);
// A rounded label of white text on `colour`, wrapped within `width`,
// centred under `topCentre`. Returns its height.
double DrawBadge(QPainter& p, const QString& text, QPointF topCentre, double width, const QColor& colour,
                 double pixels = 13);
// Wrapped text in a box.
void DrawText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour = kText,
              int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
// A red cricket ball with its seam.
void DrawBall(QPainter& p, QPointF centre, double radius, double spinDegrees = 0);
// A curved arrow from `from` to `to` bending by `bend` pixels.
void DrawArrow(QPainter& p, QPointF from, QPointF to, double bend, const QColor& colour, double width = 4);
}  // namespace look

}  // namespace tanvorel::media
