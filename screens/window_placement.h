#pragma once
// What the splash and the farewell window share: a white client area, and
// centring on the screen at the first showing.

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace tanvorel {

inline void PaintWhite(QWidget* window) {
  QPalette white = window->palette();
  white.setColor(QPalette::Window, Qt::white);
  window->setPalette(white);
  window->setAutoFillBackground(true);
}

inline void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace tanvorel
