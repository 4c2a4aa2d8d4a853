#include "notepad/notepad_widget.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QTextOption>
#include <QWheelEvent>
#include <algorithm>

#include "table/twips_qt.h"

namespace tanvorel {

namespace {

// Controls of the notepad, in twips from its top-left corner.
constexpr TwipRect kPageRect{0, 0, 2895, 3375};
constexpr TwipRect kHelpMessageRect{90, 360, 2025, 2895};
constexpr TwipRect kContinueRect{900, 2700, 1200, 480};
constexpr TwipRect kBackRect{90, 2700, 765, 495};

const QColor kDesignColour(0, 192, 0);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

constexpr double kDesignPointSize = 9.75;
constexpr double kSmallestPointSize = 7.0;

QTextOption WrapOption() {
  QTextOption option(Qt::AlignHCenter);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

}  // namespace

NotepadText::NotepadText(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setText(" ");
}

void NotepadText::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  shown_ = text;
  shown_.replace(QChar('\r'), QChar::LineSeparator);
  shown_.replace(QChar('\n'), QChar::LineSeparator);
  setAccessibleDescription(shown_);
  scroll_ = 0;
  Fit();
  update();
}

void NotepadText::setWritableHeight(int pixels) {
  writableHeight_ = pixels;
  Fit();
  update();
}

void NotepadText::resizeEvent(QResizeEvent*) { Fit(); }

QRectF NotepadText::TextArea() const {
  const int h = writableHeight_ > 0 ? std::min(writableHeight_, height()) : height();
  return QRectF(0, 0, width(), h);
}

void NotepadText::Fit() {
  const QRectF area = TextArea();
  if (area.width() <= 0) return;
  QFont f("Comic Sans MS");
  for (pointSize_ = kDesignPointSize;; pointSize_ -= 0.5) {
    f.setPointSizeF(pointSize_);
    // Lay the text out exactly as it will be painted.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&probe);
    p.setFont(f);
    const QRectF used = p.boundingRect(QRectF(0, 0, area.width(), 1e6), shown_, WrapOption());
    overflow_ = static_cast<int>(std::ceil(used.height() - area.height()));
    if (overflow_ <= 0 || pointSize_ <= kSmallestPointSize) break;
  }
  overflow_ = std::max(overflow_, 0);
  scroll_ = std::clamp(scroll_, 0, overflow_);
}

void NotepadText::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF area = TextArea();
  p.setClipRect(area);
  QFont f("Comic Sans MS");
  f.setPointSizeF(pointSize_);
  p.setFont(f);
  p.setPen(QColor(20, 24, 60));
  p.drawText(QRectF(0, -scroll_, area.width(), area.height() + overflow_), shown_, WrapOption());
  if (overflow_ > 0) {
    // More to read: a small arrow at the edge that still hides text.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0, 170));
    const double cx = area.width() - 7;
    if (scroll_ < overflow_) {
      const double y = area.bottom() - 3;
      p.drawPolygon(QPolygonF({QPointF(cx - 5, y - 6), QPointF(cx + 5, y - 6), QPointF(cx, y)}));
    }
    if (scroll_ > 0) p.drawPolygon(QPolygonF({QPointF(cx - 5, 7), QPointF(cx + 5, 7), QPointF(cx, 1)}));
  }
}

void NotepadText::wheelEvent(QWheelEvent* event) {
  if (overflow_ <= 0) {
    event->ignore();
    return;
  }
  const int step = event->angleDelta().y() / 8;  // degrees: 15 a notch
  scroll_ = std::clamp(scroll_ - step, 0, overflow_);
  update();
  event->accept();
}

ColourButton::ColourButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void ColourButton::setFill(const QColor& colour) {
  if (colour == fill_) return;
  fill_ = colour;
  update();
}

void ColourButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QColor face = fill_.isValid() ? fill_ : palette().button().color();
  if (isDown()) face = face.darker(115);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(face);
  p.drawRoundedRect(r, 3, 3);
  if (hasFocus()) {
    p.setPen(QPen(QColor(0, 0, 0, 140), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2, 2);
  }
  p.setPen(Qt::black);
  p.setFont(font());
  QTextOption option(Qt::AlignCenter);
  option.setWrapMode(QTextOption::WordWrap);
  p.drawText(r.adjusted(2, 1, -2, -1), text(), option);
}

Notepad::Notepad(QWidget* parent)
    : QWidget(parent),
      page_(NotepadPagePicture()),
      helpMessage_(new NotepadText(this)),
      command1_(new ColourButton("Click to Continue", this)),
      cmdPrevious_(new QPushButton("Back", this)) {
  setAccessibleName("Notepad");
  helpMessage_->setAccessibleName("Notepad message");
  command1_->setAccessibleName("Click to Continue");
  cmdPrevious_->setAccessibleName("Back");
  QFont small = font();
  small.setPointSizeF(8);
  command1_->setFont(small);
  cmdPrevious_->setFont(small);
  command1_->setFill(kDesignColour);
  command1_->setCursor(Qt::PointingHandCursor);
  // Tab order: the message, Continue, Back.
  setTabOrder(command1_, cmdPrevious_);
  connect(command1_, &QPushButton::clicked, this, &Notepad::continuePressed);
  connect(cmdPrevious_, &QPushButton::clicked, this, &Notepad::backPressed);
  timer1_.setInterval(2000);
  connect(&timer1_, &QTimer::timeout, this, &Notepad::Flash);
  timer1_.start();
  resize(TwipsToPixelsRounded(kPageRect.width), TwipsToPixelsRounded(kPageRect.height));
}

void Notepad::resizeEvent(QResizeEvent*) {
  helpMessage_->setGeometry(ToPixels(kHelpMessageRect));
  command1_->setGeometry(ToPixels(kContinueRect));
  cmdPrevious_->setGeometry(ToPixels(kBackRect));
  // The text keeps clear of the buttons below it.
  helpMessage_->setWritableHeight(TwipsToPixelsRounded(kContinueRect.top - kHelpMessageRect.top) - 2);
}

void Notepad::setHelpMessage(const QString& text) { helpMessage_->setText(text); }

void Notepad::setContinueVisible(bool visible) { command1_->setVisible(visible); }

void Notepad::Flash() { command1_->setFill(command1_->fill() == kGreen ? kYellow : kGreen); }

void Notepad::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  page_->draw(p, QRectF(rect()));
}

}  // namespace tanvorel
