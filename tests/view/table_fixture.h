#pragma once
// The real table window, offscreen, with the name prompt answered.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "table/table_window.h"

namespace tanvorel::testing {

inline std::string ShippedCatalogue() { return std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini"; }

// Answers the next name prompt: `name`, or Cancel when `cancel`.
inline void AnswerNamePrompt(const QString& name, bool cancel = false) {
  QTimer::singleShot(0, [name, cancel] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (cancel) {
      dialog->reject();
      return;
    }
    dialog->setTextValue(name);
    dialog->accept();
  });
}

// Lets the event loop run for `ms` milliseconds.
inline void Pump(int ms) { QTest::qWait(ms); }

// Saves a picture of the window when TANVOREL_SHOTS names a folder.
inline void Shot(QWidget* window, const QString& name) {
  const QByteArray dir = qgetenv("TANVOREL_SHOTS");
  if (dir.isEmpty() || !window) return;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  window->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

class TableTest : public ::testing::Test {
 protected:
  void Open(const QString& name = "The New Guy", long long seed = 12345, bool cancel = false) {
    table = new TableWindow;
    AnswerNamePrompt(name, cancel);
    SetUpOptions options;
    options.cataloguePath = ShippedCatalogue();
    options.seed = seed;
    const auto error = table->OpenAndSetUp(options);
    ASSERT_FALSE(error.has_value()) << error->Report();
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
  }
  void TearDown() override { delete table.data(); }

  MatchState& S() { return table->match().State(); }
  void ClickContinue() { QTest::mouseClick(table->Notepad1()->continueButton(), Qt::LeftButton); }
  // Continue until the notepad reaches a whole number (or the table closes).
  void ClickThrough(int limit = 60) {
    for (int i = 0; i < limit && table && !table->isClosed() && !IsWhole(S().MessageNumber); ++i) ClickContinue();
  }
  void ClickFace(CardFace* face) {
    QTest::mouseClick(face, Qt::LeftButton, {}, face->PictureRect().center().toPoint());
  }

  QPointer<TableWindow> table;
};

}  // namespace tanvorel::testing
