#include "notepad/notepad_widget.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QTextBoundaryFinder>
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

namespace {

// Text to lay out: carriage returns become line breaks, and a long run with
// no space in it (a very long name, say) gets a break opportunity every few
// letters, so that it wraps at the page's edge and lays out quickly.
QString Breakable(const QString& text) {
  constexpr int kRun = 12;
  QString out;
  out.reserve(text.size() + text.size() / kRun);
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
  int run = 0;
  qsizetype from = 0;
  for (qsizetype to = graphemes.toNextBoundary(); to != -1; to = graphemes.toNextBoundary()) {
    QString piece = text.mid(from, to - from);
    from = to;
    const QChar first = piece.at(0);
    if (first == QChar('\r') || first == QChar('\n')) {
      out += QChar::LineSeparator;
      run = 0;
      continue;
    }
    if (first.isSpace()) {
      run = 0;
    } else if (++run > kRun) {
      out += QChar(0x200B);  // zero-width space: a place to break, nothing to see
      run = 1;
    }
    out += piece;
  }
  return out;
}

}  // namespace

void NotepadText::setText(const QString& text) {
  if (text == text_ && layout_) return;
  text_ = text;
  shown_ = Breakable(text);
  QString spoken = text;
  spoken.replace(QChar('\r'), QChar('\n'));
  setAccessibleDescription(spoken);
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

double NotepadText::LayOut(double pointSize, double width) {
  QFont f("Comic Sans MS");
  f.setPointSizeF(pointSize);
  layout_ = std::make_unique<QTextLayout>(shown_, f, this);
  layout_->setTextOption(WrapOption());
  layout_->setCacheEnabled(true);
  double y = 0;
  layout_->beginLayout();
  for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout_->endLayout();
  return y;
}

void NotepadText::Fit() {
  const QRectF area = TextArea();
  if (area.width() <= 0) return;
  double needed = LayOut(pointSize_ = kDesignPointSize, area.width());
  // Too long for the page: smaller, a step at a time, or straight to the
  // smallest size when it is far too long.
  if (needed > area.height() && needed > 3 * area.height()) needed = LayOut(pointSize_ = kSmallestPointSize, area.width());
  while (needed > area.height() && pointSize_ > kSmallestPointSize)
    needed = LayOut(pointSize_ -= 0.5, area.width());
  overflow_ = std::max(0, static_cast<int>(std::ceil(needed - area.height())));
  scroll_ = std::clamp(scroll_, 0, overflow_);
}

void NotepadText::paintEvent(QPaintEvent*) {
  if (!layout_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF area = TextArea();
  p.setClipRect(area);
  p.setPen(QColor(20, 24, 60));
  layout_->draw(&p, QPointF(0, -scroll_));
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
