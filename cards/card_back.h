#pragma once
// The back of a card held by another player, upright or lying sideways.

#include <QWidget>

#include "cards/art_library.h"

namespace tanvorel {

class CardBack : public QWidget {
  Q_OBJECT

 public:
  explicit CardBack(QWidget* parent = nullptr);

  // Codes 1 to 4 show the back of card type `code` upright, 5 to 8 the back
  // of type `code` - 4 sideways, 0 hides the picture; any other code keeps
  // the back shown before. The picture is then sized from `scaleValue`:
  // sideways for codes above 4, upright otherwise.
  void AssignImage(int code, double scaleValue);

  bool PictureShown() const { return pictureShown_; }
  double PictureWidthTwips() const { return widthTwips_; }
  double PictureHeightTwips() const { return heightTwips_; }
  QRectF PictureRect() const;
  const Picture* picture() const { return picture_.get(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PicturePtr picture_;
  bool pictureShown_ = true;
  double widthTwips_ = 1215;
  double heightTwips_ = 2175;
};

}  // namespace tanvorel
