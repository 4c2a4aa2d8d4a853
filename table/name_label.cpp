#include "table/name_label.h"

#include <QEvent>
#include <QPainter>

namespace tanvorel {

NameLabel::NameLabel(Qt::Alignment alignment, QWidget* parent) : QWidget(parent), alignment_(alignment) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void NameLabel::setText(const QString& text) {
  // A name is one line: line breaks and other control characters show as spaces.
  QString clean = text;
  for (QChar& c : clean)
    if (c.category() == QChar::Other_Control) c = QChar(' ');
  if (clean == text_) return;
  text_ = clean;
  setToolTip(text_);
  setAccessibleName(text_.isEmpty() ? QStringLiteral("(no name)") : text_);
  Elide();
}

void NameLabel::Elide() {
  shown_ = fontMetrics().elidedText(text_, Qt::ElideRight, width() - 2);
  update();
}

void NameLabel::resizeEvent(QResizeEvent*) { Elide(); }

void NameLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) Elide();
  QWidget::changeEvent(event);
}

void NameLabel::setOpaque(bool opaque) {
  if (opaque == opaque_) return;
  opaque_ = opaque;
  update();
}

void NameLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (opaque_) p.fillRect(rect(), background_);
  p.setPen(Qt::black);
  p.drawText(rect().adjusted(1, 0, -1, 0), static_cast<int>(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine),
             shownText());
}

}  // namespace tanvorel
