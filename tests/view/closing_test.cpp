// Closing the table at any moment, and input while the pen writes: nothing
// crashes, nothing keeps running against a gone window, and every ball is
// booked exactly once.

#include "tests/view/table_fixture.h"

namespace tanvorel::testing {
namespace {

// Counts the writes of each ball's cell after the sheet was cleared.
class CellWrites : public MatchTrace {
 public:
  void OnCaption(SheetLabel label, int index, const std::string& text) override {
    if (label == SheetLabel::Score && !text.empty()) ++writes[static_cast<std::size_t>(index)];
  }
  std::array<int, 121> writes{};
};

class Closing : public TableTest {
 protected:
  // True when the next Continue reaches a whole number and books a ball
  // with the pen (a wicket or runs whose change of strike, if any, is told).
  bool NextContinueWritesWithThePen() {
    const MatchState& s = S();
    if (!s.ResultPending || IsWhole(s.MessageNumber)) return false;
    if (!IsWhole(static_cast<float>(RoundHalfEven((s.MessageNumber + 0.1f) * 10.0) / 10.0))) return false;
    if (s.PendingResult == "W") return true;
    if (s.PendingResult == "E") return false;
    const int runs = LeadingNumber(s.PendingResult);
    return runs % 2 == 0 || s.StrikeAnnounced;
  }
  // Plays on in play mode, clicking the human's first card when it is awaited,
  // until the next Continue will write a ball with the pen.
  void PlayUntilThePenIsNext() {
    for (int i = 0; i < 400; ++i) {
      if (NextContinueWritesWithThePen()) return;
      if (IsWhole(S().MessageNumber) && S().PlayStage == S().CurrentPlayer) {
        auto faces = table->VisibleHandFaces();
        ASSERT_FALSE(faces.empty());
        ClickFace(faces.front());
      } else {
        ClickContinue();
      }
    }
    FAIL() << "no ball to write";
  }
  void ExpectNothingRuns() {
    ASSERT_TRUE(table);
    EXPECT_TRUE(table->isClosed());
    EXPECT_FALSE(table->AutoPlayTimer()->isActive());
    EXPECT_FALSE(table->Notepad1()->flashTimer()->isActive());
    EXPECT_TRUE(table->match().TableClosed());
  }
};

TEST_F(Closing, DuringThePensPause) {
  Open();
  PlayUntilThePenIsNext();
  QTimer::singleShot(150, table, [this] { table->close(); });
  ClickContinue();  // writes the ball; the window closes between two pen stops
  ExpectNothingRuns();
  EXPECT_FALSE(table->PenShown());
  ClickContinue();
  QTest::keyClick(table, Qt::Key_Space);
  Pump(50);
}

TEST_F(Closing, WithAChainPendingAndThenDeletingItself) {
  Open();
  ClickContinue();
  ASSERT_FALSE(IsWhole(S().MessageNumber));  // the tutorial is showing
  table->setDeleteWhenClosed(true);
  table->close();
  Pump(20);
  EXPECT_TRUE(table.isNull());  // gone, and nothing left to call it
}

TEST_F(Closing, DuringTheNamePrompt) {
  table = new TableWindow;
  QTimer::singleShot(0, table, [this] {
    ASSERT_NE(qobject_cast<QInputDialog*>(QApplication::activeModalWidget()), nullptr);
    table->close();
  });
  SetUpOptions options;
  options.cataloguePath = ShippedCatalogue();
  options.seed = 3;
  EXPECT_FALSE(table->OpenAndSetUp(options).has_value());
  ExpectNothingRuns();
  EXPECT_EQ(S().MessageNumber, 0.0f);  // set-up stopped at the prompt
  EXPECT_EQ(table->NamePrompt(), nullptr);
}

TEST_F(Closing, InDemoModeAtTopSpeed) {
  Open();
  table->HScroll1()->setValue(7);
  QTest::mouseClick(table->opt_PlayOrDemo(1), Qt::LeftButton, {}, QPoint(8, table->opt_PlayOrDemo(1)->height() / 2));
  ASSERT_EQ(table->AutoPlayTimer()->interval(), 10);
  Pump(400);
  EXPECT_GT(MessageTenths(S().MessageNumber) + S().BallInOver, 10);  // the demo moved on
  table->close();
  ExpectNothingRuns();
  const MatchState before = S();
  Pump(100);
  EXPECT_EQ(S().MessageNumber, before.MessageNumber);
}

TEST_F(Closing, EveryCloseShowsOnce) {
  Open();
  int signals_ = 0;
  QObject::connect(table, &TableWindow::tableClosed, [&] { ++signals_; });
  table->close();
  table->close();
  table->match().MessageFromDatabase(11.9f);
  EXPECT_EQ(signals_, 1);
  EXPECT_FALSE(ArtLibrary::instance().isLoaded(Holder::Batting));
}

// Whatever the player does while the pen writes, the ball is booked once.
TEST_F(Closing, InputDuringThePensPauseBooksTheBallOnce) {
  struct Case {
    const char* what;
    std::function<void(TableTest&, TableWindow*)> during;
  };
  const Case cases[] = {
      {"Back then Continue",
       [](TableTest& t, TableWindow* w) {
         QTest::mouseClick(w->Notepad1()->backButton(), Qt::LeftButton);
         if (w->Notepad1()->continueVisible()) QTest::mouseClick(w->Notepad1()->continueButton(), Qt::LeftButton);
         (void)t;
       }},
      {"switch to demo mode",
       [](TableTest&, TableWindow* w) {
         w->HScroll1()->setValue(7);
         QTest::mouseClick(w->opt_PlayOrDemo(1), Qt::LeftButton, {}, QPoint(8, w->opt_PlayOrDemo(1)->height() / 2));
       }},
      {"a card",
       [](TableTest&, TableWindow* w) {
         for (CardFace* face : w->VisibleHandFaces())
           QTest::mouseClick(face, Qt::LeftButton, {}, face->PictureRect().center().toPoint());
       }},
      {"Space, Backspace and a number key",
       [](TableTest&, TableWindow* w) {
         QTest::keyClick(w, Qt::Key_Backspace);
         QTest::keyClick(w, Qt::Key_Space);
         QTest::keyClick(w, Qt::Key_1);
       }},
  };
  for (const Case& c : cases) {
    Open();
    CellWrites writes;
    table->match().SetTrace(&writes);
    PlayUntilThePenIsNext();
    const int cell = S().OverCount * 6 + S().BallInOver;
    const int ballBefore = S().BallInOver + S().OverCount * 6;
    QTimer::singleShot(150, table, [this, &c] { c.during(*this, table); });
    ClickContinue();
    Pump(300);  // demo ticks, if any, run on
    EXPECT_EQ(writes.writes[static_cast<std::size_t>(cell)], 1) << c.what;
    for (int k = 1; k <= 120; ++k) EXPECT_LE(writes.writes[static_cast<std::size_t>(k)], 1) << c.what << " cell " << k;
    EXPECT_GE(S().BallInOver + S().OverCount * 6, ballBefore) << c.what;
    table->match().SetTrace(nullptr);
    delete table.data();
  }
}

}  // namespace
}  // namespace tanvorel::testing
