#pragma once
// A picture from the art library stretched to its control.

#include <QPainter>
#include <QWidget>

#include "cards/art_library.h"

namespace tanvorel {

class PictureView : public QWidget {
 public:
  explicit PictureView(PicturePtr picture, QWidget* parent = nullptr) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  const Picture* picture() const { return picture_.get(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!picture_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    picture_->draw(p, QRectF(rect()));
  }

 private:
  PicturePtr picture_;
};

}  // namespace tanvorel
