#pragma once
// A card face on the table: draws one face from the card art library at the
// size its scale gives, and reports a click on the picture.

#include <QWidget>

#include "cards/art_library.h"

namespace tanvorel {

class CardFace : public QWidget {
  Q_OBJECT

 public:
  explicit CardFace(QWidget* parent = nullptr);

  // Shows card `cardIndexIn` of type `cardTypeIn` (1 bowling, 2 and 4
  // batting, 3 fielding) at `scaling`; `cardIdIn` is the hand slot it stands
  // for. Card 0 or type 0 hides the picture. The picture is sized first in
  // every case. Returns false when the library has no such card (the picture
  // is then hidden).
  bool ShowCard(int cardIndexIn, int cardTypeIn, double scaling, int cardIdIn = 0);

  int ShownType() const { return shownType_; }
  int HandSlot() const { return handSlot_; }
  int ShownCard() const { return shownCard_; }
  bool PictureShown() const { return pictureShown_; }
  // The picture's size in twips, as ShowCard set it.
  double PictureHeightTwips() const { return heightTwips_; }
  double PictureWidthTwips() const { return widthTwips_; }
  QRectF PictureRect() const;
  const Picture* picture() const { return picture_.get(); }

  void HidePicture();
  // A face that is never shown (the table's hidden face that loads the art).
  void SetAlwaysHidden(bool alwaysHidden);
  // A face the player may click now: a pointing hand and a glow on hover.
  void SetPlayable(bool playable);
  bool Playable() const { return playable_; }

 signals:
  void pictureClicked(int shownType, int handSlot);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetPictureShown(bool shown);
  void UpdateMask();

  PicturePtr picture_;
  bool pictureShown_ = true;
  double heightTwips_ = 2040;
  double widthTwips_ = 1290;
  int shownType_ = 0;
  int handSlot_ = 0;
  int shownCard_ = 0;
  bool playable_ = false;
  bool alwaysHidden_ = false;
  bool hovered_ = false;
};

}  // namespace tanvorel
