#pragma once
// A one-line text label that shortens its text with an ellipsis when it does
// not fit, and that can be drawn opaque (its background colour shows) or
// transparent.

#include <QColor>
#include <QWidget>

namespace tanvorel {

class NameLabel : public QWidget {
  Q_OBJECT

 public:
  NameLabel(Qt::Alignment alignment, QWidget* parent = nullptr);
  void setText(const QString& text);
  QString text() const { return text_; }
  void setOpaque(bool opaque);
  bool opaque() const { return opaque_; }
  void setBackground(const QColor& colour) { background_ = colour; }
  // The text as painted, shortened to the width.
  QString shownText() const { return shown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Elide();

  QString text_;
  QString shown_;
  Qt::Alignment alignment_;
  QColor background_{255, 255, 0};
  bool opaque_ = true;
};

}  // namespace tanvorel
