#pragma once
// The notepad on the table: a spiral-bound page with the current instruction
// or commentary written on it, a flashing "Click to Continue" button and a
// "Back" button. What the buttons do is the match's dialogue; this control
// only shows it and reports the presses.

#include <QPushButton>
#include <QTextLayout>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "cards/art_library.h"

namespace tanvorel {

// Text written on the page: centred, wrapped at the width (inside long words
// too), broken at every carriage return. A text too long for the page is
// written smaller, and scrolls with the wheel if it still does not fit.
class NotepadText : public QWidget {
  Q_OBJECT

 public:
  explicit NotepadText(QWidget* parent = nullptr);
  void setText(const QString& text);
  QString text() const { return text_; }
  // The height of the page the text may use, from the top of the control.
  void setWritableHeight(int pixels);
  double fittedPointSize() const { return pointSize_; }
  bool scrolls() const { return overflow_ > 0; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();
  QRectF TextArea() const;
  // Lays the text out at `pointSize` and `width`; returns its height.
  double LayOut(double pointSize, double width);

  QString text_;
  QString shown_;  // carriage returns as line breaks, long runs breakable
  std::unique_ptr<QTextLayout> layout_;
  int writableHeight_ = 0;
  double pointSize_ = 9.75;
  int overflow_ = 0;  // pixels the text runs past the page
  int scroll_ = 0;
};

// A button whose caption wraps to its width, filled with a settable colour.
class ColourButton : public QPushButton {
  Q_OBJECT

 public:
  explicit ColourButton(const QString& caption, QWidget* parent = nullptr);
  void setFill(const QColor& colour);
  QColor fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

class Notepad : public QWidget {
  Q_OBJECT

 public:
  explicit Notepad(QWidget* parent = nullptr);

  void setHelpMessage(const QString& text);
  QString helpMessage() const { return helpMessage_->text(); }
  void setContinueVisible(bool visible);
  bool continueVisible() const { return !command1_->isHidden(); }

  QPushButton* continueButton() const { return command1_; }
  QPushButton* backButton() const { return cmdPrevious_; }
  ColourButton* flashingButton() const { return command1_; }
  NotepadText* helpMessageLabel() const { return helpMessage_; }
  QTimer* flashTimer() { return &timer1_; }

  // Lays the controls out for the notepad's size (the page fills it).
  void resizeEvent(QResizeEvent* event) override;

 signals:
  void continuePressed();
  void backPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Flash();

  PicturePtr page_;
  NotepadText* helpMessage_;
  ColourButton* command1_;
  QPushButton* cmdPrevious_;
  QTimer timer1_;
};

}  // namespace tanvorel
