#include "cards/card_face.h"

#include <QMouseEvent>
#include <QPainter>

#include "table/table_layout.h"
#include "table/twips_qt.h"

namespace tanvorel {

namespace {

const FaceHolder* HolderForType(int type) {
  ArtLibrary& art = ArtLibrary::instance();
  switch (type) {
    case 1: return &art.Bowling();
    case 2:
    case 4: return &art.Batting();
    case 3: return &art.Fielding();
    default: return nullptr;
  }
}

}  // namespace

CardFace::CardFace(QWidget* parent) : QWidget(parent), picture_(DefaultFacePicture()) {
  setAttribute(Qt::WA_NoSystemBackground);
  UpdateMask();
}

QRectF CardFace::PictureRect() const {
  return QRectF(0, 0, TwipsToPixels(widthTwips_), TwipsToPixels(heightTwips_));
}

bool CardFace::ShowCard(int cardIndexIn, int cardTypeIn, double scaling, int cardIdIn) {
  // The height is computed in double precision and kept as a 32-bit float,
  // the width follows from it.
  const double height = static_cast<float>(scaling * kCardLongSideTwips);
  const double width = static_cast<float>(height * kCardShortSideRatio);
  handSlot_ = cardIdIn;
  shownType_ = cardTypeIn;
  shownCard_ = cardIndexIn;
  if (height != heightTwips_ || width != widthTwips_) {
    heightTwips_ = height;
    widthTwips_ = width;
    UpdateMask();
  }

  if (cardIndexIn == 0 || cardTypeIn == 0) {
    SetPictureShown(false);
    return true;
  }
  const FaceHolder* holder = HolderForType(cardTypeIn);
  PicturePtr picture = holder ? holder->Card(cardIndexIn) : nullptr;
  if (!picture) {
    SetPictureShown(false);
    return false;
  }
  if (picture != picture_) {
    picture_ = std::move(picture);
    update();
  }
  SetPictureShown(true);
  return true;
}

void CardFace::HidePicture() { SetPictureShown(false); }

void CardFace::SetAlwaysHidden(bool alwaysHidden) {
  alwaysHidden_ = alwaysHidden;
  SetPictureShown(pictureShown_);
}

void CardFace::SetPictureShown(bool shown) {
  pictureShown_ = shown;
  // A hidden picture leaves nothing to see or click: the control steps aside
  // so that clicks reach whatever lies beneath.
  const bool visible = shown && !alwaysHidden_;
  if (isHidden() == visible) setVisible(visible);
}

void CardFace::UpdateMask() {
  setMask(QRegion(PictureRect().toAlignedRect()));
  update();
}

void CardFace::SetPlayable(bool playable) {
  if (playable == playable_) return;
  playable_ = playable;
  setCursor(playable ? Qt::PointingHandCursor : Qt::ArrowCursor);
  update();
}

void CardFace::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF r = PictureRect();
  picture_->draw(p, r);
  if (playable_ && hovered_) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 196, 0), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
  }
}

void CardFace::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pictureShown_ || !PictureRect().contains(event->position())) {
    event->ignore();
    return;
  }
  emit pictureClicked(shownType_, handSlot_);
}

void CardFace::enterEvent(QEnterEvent*) {
  hovered_ = true;
  if (playable_) update();
}

void CardFace::leaveEvent(QEvent*) {
  hovered_ = false;
  if (playable_) update();
}

}  // namespace tanvorel
