#include "cards/card_back.h"

#include <QPainter>

#include "table/table_layout.h"
#include "table/twips_qt.h"

namespace tanvorel {

CardBack::CardBack(QWidget* parent) : QWidget(parent), picture_(DefaultBackPicture()) {
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);  // backs take no input
}

QRectF CardBack::PictureRect() const {
  return QRectF(0, 0, TwipsToPixels(widthTwips_), TwipsToPixels(heightTwips_));
}

void CardBack::AssignImage(int code, double scaleValue) {
  const bool wasShown = pictureShown_;
  const double oldWidth = widthTwips_, oldHeight = heightTwips_;
  pictureShown_ = true;
  static constexpr BackName kBacks[] = {
      BackName::BowlingCardBackVert, BackName::BattingCardBackVert, BackName::FieldingCardBackVert,
      BackName::BattingCardBackVert, BackName::BowlingCardBackHorz, BackName::BattingCardBackHorz,
      BackName::FieldingCardBackHorz, BackName::BattingCardBackHorz,
  };
  PicturePtr picture = picture_;
  if (code == 0) {
    pictureShown_ = false;
  } else if (code >= 1 && code <= 8) {
    picture = ArtLibrary::instance().ImageForm().Back(kBacks[code - 1]);
  }
  if (code > 4) {
    widthTwips_ = static_cast<float>(scaleValue * kCardLongSideTwips);
    heightTwips_ = static_cast<float>(widthTwips_ * kCardShortSideRatio);
  } else {
    heightTwips_ = static_cast<float>(scaleValue * kCardLongSideTwips);
    widthTwips_ = static_cast<float>(heightTwips_ * kCardShortSideRatio);
  }
  if (picture != picture_ || pictureShown_ != wasShown || widthTwips_ != oldWidth || heightTwips_ != oldHeight) {
    picture_ = std::move(picture);
    update();
  }
}

void CardBack::paintEvent(QPaintEvent*) {
  if (!pictureShown_ || !picture_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  picture_->draw(p, PictureRect());
}

}  // namespace tanvorel
