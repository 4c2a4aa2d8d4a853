// The table window: what it shows after set-up, card clicks, sizes, demo
// mode, the keyboard, and closing at any moment.

#include "tests/view/table_fixture.h"

namespace tanvorel::testing {
namespace {

TEST_F(TableTest, AfterSetUp) {
  Open();
  Shot(table, "01-start");
  EXPECT_EQ(table->windowTitle(), "Tanvorel");
  EXPECT_EQ(table->size(), QSize(792, 554));
  EXPECT_EQ(S().CurrentPlayer, 2);
  EXPECT_EQ(S().PlayStage, 1);
  EXPECT_FALSE(S().DemoMode);
  EXPECT_TRUE(table->opt_PlayOrDemo(0)->isChecked());
  EXPECT_TRUE(table->Label1()->isHidden());
  EXPECT_TRUE(table->HScroll1()->isHidden());
  for (int k = 1; k <= 120; ++k) EXPECT_EQ(table->ScoreBook()->caption(SheetLabel::Score, k), "");
  for (int m = 1; m <= 20; ++m) EXPECT_EQ(table->ScoreBook()->caption(SheetLabel::OverTotal, m), "");
  EXPECT_EQ(table->ScoreBook()->caption(SheetLabel::ScoreTotal, 1), "0");
  // The fan shows 7, 19, 47, 29, 15, 52 in slots 1 to 6: from the left, slots 1, 3, 4, 2, 6, 5.
  std::vector<int> shown;
  for (CardFace* face : table->VisibleHandFaces()) shown.push_back(face->ShownCard());
  EXPECT_EQ(shown, (std::vector<int>{7, 47, 29, 19, 52, 15}));
  for (int slot = 7; slot <= 9; ++slot) EXPECT_FALSE(table->CardGraphic(slot)->PictureShown());
  int left = 0, opposite = 0, right = 0;
  for (int i = 0; i < 9; ++i) {
    left += !table->BackOfCardsLeft(i)->isHidden();
    opposite += !table->BackOfCardsOpposite(i)->isHidden();
    right += !table->BackOfCardsRight(i)->isHidden();
  }
  EXPECT_EQ(left, 9);      // the fielder's nine cards, sideways
  EXPECT_EQ(opposite, 6);  // the partner's six, upright
  EXPECT_EQ(right, 7);     // the bowler's seven
  EXPECT_TRUE(table->PlayerName2(1)->opaque());
  EXPECT_FALSE(table->PlayerName2(2)->opaque());
  EXPECT_EQ(table->PlayerName2(2)->text(), "The New Guy");
  EXPECT_TRUE(table->TemporaryCard()->isHidden());
  EXPECT_TRUE(ArtLibrary::instance().isLoaded(Holder::Fielding));
  EXPECT_EQ(table->Notepad1()->helpMessage(),
            "I shall now show you how to play Tanvorel.\r\rThis notepad displays instructions.");
}

TEST_F(TableTest, CancelledNameIsBlank) {
  Open("ignored", 1, /*cancel=*/true);
  EXPECT_EQ(S().PlayerName[2], "");
  EXPECT_EQ(table->PlayerName2(2)->text(), "");
  EXPECT_EQ(table->ScoreBook()->teamName(0), "");
}

TEST_F(TableTest, CardClicks) {
  Open();
  CardFace* face = table->CardGraphic(1);
  ClickFace(face);  // a message is pending: the reminder
  EXPECT_EQ(table->Notepad1()->helpMessage(), "Remember, you must click here to clear any messages first");
  EXPECT_TRUE(face->PictureShown());
  ClickThrough();  // the tutorial; the bowler bowls
  ClickThrough();  // the bowling commentary; the human's card is awaited
  ASSERT_EQ(S().PlayStage, 2);
  EXPECT_TRUE(face->Playable());
  Shot(table, "02-your-turn");
  const int card = face->ShownCard();
  ClickFace(face);
  ClickFace(face);  // a second quick click plays nothing more
  EXPECT_EQ(S().PlayedCards[2], card);
  EXPECT_EQ(S().Hand[2][1], 0);
  EXPECT_FALSE(face->PictureShown());
  EXPECT_EQ(table->PlayedCard(2)->ShownCard(), card);
  EXPECT_FALSE(face->Playable());
}

TEST_F(TableTest, FaceAndBackSizes) {
  Open();
  CardFace face;
  struct FaceCase {
    int card, type;
    double scaling;
    int slot;
    bool shown;
    double height;
  };
  const FaceCase faces[] = {
      {0, 2, 1.0, 3, false, 2040}, {12, 0, 1.0, 0, false, 2040}, {7, 4, 1.0, 2, true, 2040},
      {5, 3, 0.9, 0, true, 1836},
  };
  for (const FaceCase& c : faces) {
    face.ShowCard(c.card, c.type, c.scaling, c.slot);
    EXPECT_EQ(face.PictureShown(), c.shown);
    EXPECT_NEAR(face.PictureHeightTwips(), c.height, 0.01);
    EXPECT_NEAR(face.PictureWidthTwips(), c.height * 0.647727273, 0.01);
    EXPECT_EQ(face.ShownType(), c.type);
    EXPECT_EQ(face.HandSlot(), c.slot);
  }
  face.ShowCard(7, 4, 1.0);
  const Picture* type4 = face.picture();
  face.ShowCard(7, 2, 1.0);
  EXPECT_EQ(face.picture(), type4);  // types 2 and 4 share the batting pictures
  EXPECT_NEAR(face.PictureRect().height(), 136, 0.01);

  CardBack back;
  struct BackCase {
    int code;
    double scale;
    bool shown;
    double width, height;
  };
  const BackCase backs[] = {
      {0, 0.5, false, 1020 * 0.647727273, 1020},
      {5, 0.75, true, 1530, 1530 * 0.647727273},
      {2, 0.5, true, 1020 * 0.647727273, 1020},
      {9, 0.705, true, 1438.2, 1438.2 * 0.647727273},  // keeps the last back, sized sideways
      {-1, 0.5, true, 1020 * 0.647727273, 1020},        // sized upright
  };
  for (const BackCase& c : backs) {
    back.AssignImage(c.code, c.scale);
    EXPECT_EQ(back.PictureShown(), c.shown) << c.code;
    EXPECT_NEAR(back.PictureWidthTwips(), c.width, 0.05) << c.code;
    EXPECT_NEAR(back.PictureHeightTwips(), c.height, 0.05) << c.code;
  }
  back.AssignImage(4, 0.5);
  const Picture* four = back.picture();
  back.AssignImage(2, 0.5);
  EXPECT_EQ(back.picture(), four);
  back.AssignImage(8, 0.7);
  const Picture* eight = back.picture();
  back.AssignImage(6, 0.7);
  EXPECT_EQ(back.picture(), eight);
}

TEST_F(TableTest, DemoMatchAtTopSpeedReachesTheResultAndCloses) {
  Open();
  bool closedSignal = false;
  QObject::connect(table, &TableWindow::tableClosed, [&] { closedSignal = true; });
  QTest::mouseClick(table->opt_PlayOrDemo(1), Qt::LeftButton, {}, QPoint(8, table->opt_PlayOrDemo(1)->height() / 2));
  ASSERT_TRUE(S().DemoMode);
  EXPECT_FALSE(table->HScroll1()->isHidden());
  table->HScroll1()->setValue(7);
  EXPECT_EQ(table->AutoPlayTimer()->interval(), 10);
  bool sawSecondInnings = false;
  for (int i = 0; i < 20000 && table && !table->isClosed(); ++i) {
    if (S().Innings == 2 && !sawSecondInnings) {
      sawSecondInnings = true;
      Shot(table, "04-second-innings");
      EXPECT_FALSE(S().DemoMode);  // the change of innings stops the demo
      QTest::mouseClick(table->opt_PlayOrDemo(1), Qt::LeftButton, {},
                        QPoint(8, table->opt_PlayOrDemo(1)->height() / 2));
    }
    if (table->match().ResultDeclared()) {
      Shot(table, "05-result");
      EXPECT_FALSE(S().DemoMode);
      EXPECT_TRUE(table->opt_PlayOrDemo(0)->isChecked());
      while (table && !table->isClosed()) ClickContinue();
      break;
    }
    Pump(15);
  }
  EXPECT_TRUE(sawSecondInnings);
  EXPECT_TRUE(closedSignal);
}

TEST_F(TableTest, Keyboard) {
  Open();
  QTest::keyClick(table, Qt::Key_Space);
  EXPECT_EQ(MessageNumberText(S().MessageNumber), "0.7");
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(MessageNumberText(S().MessageNumber), "0.8");
  QTest::keyClick(table, Qt::Key_Backspace);
  EXPECT_EQ(MessageNumberText(S().MessageNumber), "0.7");
  ClickThrough();
  ClickThrough();
  ASSERT_EQ(S().PlayStage, 2);
  QTest::keyClick(table, Qt::Key_2);  // the second card from the left: slot 3
  EXPECT_EQ(S().PlayedCards[2], 47);
  for (QWidget* w : table->findChildren<QWidget*>())
    if (!w->isHidden() && w->isWidgetType() && qobject_cast<QWidget*>(w->parent()) == table.data())
      EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
}

}  // namespace
}  // namespace tanvorel::testing
