#include "tests/robustness/monkey.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>
#include <QTimer>

#include "tests/support/sheet_invariants.h"

namespace tanvorel::testing {

namespace {

// Counts the writes of each ball's cell (clearing aside).
class CellCounter : public MatchTrace {
 public:
  explicit CellCounter(std::array<int, 121>& writes) : writes_(writes) {}
  void OnCaption(SheetLabel label, int index, const std::string& text) override {
    if (label == SheetLabel::Score && !text.empty() && index >= 1 && index <= 120) ++writes_[static_cast<std::size_t>(index)];
  }

 private:
  std::array<int, 121>& writes_;
};

const char* const kNames[] = {
    "The New Guy", "", "   ", "Ann", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D",  // Hebrew
    "\xF0\x9F\x8F\x8F\xF0\x9F\x8E\x89 Bat", "tab\there\r\nnewline", "\x01\x02\x1b[31m", "\xE2\x80\xAE" "evil",
};

}  // namespace

void Monkey::Log(std::string event) {
  ++eventCount_;
  events_.push_back(std::move(event));
}

bool Monkey::Check(MonkeyReport& report, const char* when) {
  if (!table_) return true;
  const Match& match = table_->match();
  if (match.BookingBall()) return true;  // in the middle of writing a ball: checked when it is done
  ++report.checks;
  auto problems = SheetProblems(match.Sheet());
  for (int k = 1; k <= 120; ++k)
    if (cellWrites_[static_cast<std::size_t>(k)] > 1) problems.push_back("cell " + std::to_string(k) + " written twice");
  if (problems.empty()) return true;
  failure_.push_back(std::string(when) + ": " + problems.front());
  return false;
}

void Monkey::RandomAction(int kind) {
  if (!table_ || table_->isClosed()) return;
  TableWindow* t = table_;
  switch (kind) {
    case 0: {  // Continue, by the button (only while shown) or straight through the notepad
      if (t->Notepad1()->continueVisible()) {
        Log("click Continue");
        QTest::mouseClick(t->Notepad1()->continueButton(), Qt::LeftButton);
      } else {
        Log("Space (Continue hidden)");
        QTest::keyClick(t, Qt::Key_Space);
      }
      break;
    }
    case 1: {  // a card of the hand, awaited or not
      const auto faces = t->VisibleHandFaces();
      if (faces.empty()) break;
      CardFace* face = faces[static_cast<std::size_t>(Pick(static_cast<int>(faces.size())))];
      Log("click card slot " + std::to_string(face->HandSlot()));
      QTest::mouseClick(face, Qt::LeftButton, {}, face->PictureRect().center().toPoint());
      if (Chance(0.3) && table_) {
        Log("click it again");
        QTest::mouseClick(face, Qt::LeftButton, {}, face->PictureRect().center().toPoint());
      }
      break;
    }
    case 2:
      Log("click Back");
      QTest::mouseClick(t->Notepad1()->backButton(), Qt::LeftButton);
      break;
    case 3: {
      const int mode = Pick(2);
      Log(mode ? "click Demo Mode" : "click Play Mode");
      QRadioButton* button = t->opt_PlayOrDemo(mode);
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
      break;
    }
    case 4: {
      if (t->HScroll1()->isHidden()) break;
      const int speed = Pick(8);
      Log("speed " + std::to_string(speed));
      t->HScroll1()->setValue(speed);
      break;
    }
    case 5: {
      static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_1,
                                     Qt::Key_2,     Qt::Key_3,      Qt::Key_5,     Qt::Key_9};
      const Qt::Key key = keys[Pick(9)];
      Log("key " + QKeySequence(key).toString().toStdString());
      QTest::keyClick(t, key);
      break;
    }
    case 6: {
      const int ms = Pick(12);
      Log("wait " + std::to_string(ms) + " ms");
      QTest::qWait(ms);
      break;
    }
    case 7:
      Log("close the window");
      t->close();
      break;
  }
}

void Monkey::ScheduleDuringPause() {
  // An action that fires a little later: often inside the pen's pause or a
  // chain of messages the next Continue starts.
  const int delay = Pick(12);
  const int kind = closeLater_ && Chance(0.05) ? 7 : Pick(6);
  Log("later (" + std::to_string(delay) + " ms): action " + std::to_string(kind));
  QTimer::singleShot(delay, table_, [this, kind] { RandomAction(kind); });
}

void Monkey::Act() {
  if (eventCount_ == closeAt_) return RandomAction(7);
  const int roll = Pick(1000);
  if (roll < 420) return RandomAction(0);
  if (roll < 600) return RandomAction(1);
  if (roll < 650) return RandomAction(2);
  if (roll < 680) return RandomAction(3);
  if (roll < 700) return RandomAction(4);
  if (roll < 800) return RandomAction(5);
  if (roll < 880) return RandomAction(6);
  return ScheduleDuringPause();
}

void Monkey::PlayMatch(std::uint32_t seed, MonkeyReport& report) {
  rng_.seed(seed);
  events_.clear();
  failure_.clear();
  cellWrites_.fill(0);
  ++report.matches;

  auto* table = new TableWindow;
  table_ = table;
  table->setPenPause(1 + Pick(3));
  CellCounter counter(cellWrites_);
  table->match().SetTrace(&counter);

  // The name prompt: a name of any kind, Cancel, or the window closed under it.
  const int answer = Pick(12);
  QString name = QString::fromUtf8(kNames[Pick(static_cast<int>(std::size(kNames)))]);
  if (answer == 0) name = QString(10000, QChar('W'));
  Log("name prompt answer " + std::to_string(answer));
  QTimer::singleShot(0, table, [table, answer, name] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (answer == 1 || !dialog) {
      table->close();
    } else if (answer == 2) {
      dialog->reject();
    } else {
      dialog->setTextValue(name);
      dialog->accept();
    }
  });
  SetUpOptions options;
  options.cataloguePath = catalogue_;
  options.seed = seed;
  if (table->OpenAndSetUp(options)) failure_.push_back("catalogue failed to load");

  // One match in five is closed by the player at some moment: directly, or
  // by an action that lands inside a pause or a chain of messages.
  closeAt_ = -1;
  closeLater_ = false;
  if (Chance(0.2)) {
    if (Chance(0.5)) closeAt_ = eventCount_ + Pick(2500);
    else closeLater_ = true;
  }
  const int budget = 400 + Pick(3000);
  bool reachedResult = false;
  for (int i = 0; i < budget && table_ && !table_->isClosed(); ++i) {
    Act();
    QApplication::processEvents();
    Check(report, "after a random event");
    if (table_ && table_->match().ResultDeclared()) reachedResult = true;
  }
  if (table_ && !table_->isClosed()) {
    // Left to run, the match reaches its result and closes.
    Log("left to run");
    for (int i = 0; i < 20000 && table_ && !table_->isClosed(); ++i) {
      Match& m = table_->match();
      if (!m.ResultDeclared() && !m.State().DemoMode) m.SelectMode(1);
      m.Command1_Click();
      QApplication::processEvents();
      Check(report, "left to run");
    }
    if (table_ && !table_->isClosed()) failure_.push_back("the match did not reach its result");
    else ++report.matchesToResult;
  } else if (reachedResult) {
    ++report.matchesToResult;
  } else {
    ++report.matchesClosedEarly;
  }
  QTest::qWait(15);  // late timers, if any, fire against the closed table
  Check(report, "after closing");
  report.events += eventCount_;
  eventCount_ = 0;
  if (table_) {
    table_->match().SetTrace(nullptr);
    delete table_.data();
  }

  if (!failure_.empty()) {
    ++report.failures;
    std::string text = "monkey seed " + std::to_string(seed) + ": " + failure_.front() + "\n  events:";
    const std::size_t from = events_.size() > 60 ? events_.size() - 60 : 0;
    for (std::size_t i = from; i < events_.size(); ++i) text += "\n    " + events_[i];
    report.failureTexts.push_back(text);
  }
}

}  // namespace tanvorel::testing
