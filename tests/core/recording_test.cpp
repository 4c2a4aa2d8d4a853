// Booking balls: strike, the score sheet, overs, innings and the result.

#include "tests/core/match_fixture.h"

namespace tanvorel::testing {
namespace {

class Recording : public MatchTest {
 protected:
  void SetUp() override {
    MatchTest::SetUp();
    ClearMessages(6.0f);
  }
  // Books a ball and clicks through whatever it announces, without the
  // computer moving on.
  void Book(const std::string& result) {
    match->RecordBall(result);
    while (S().ResultPending && !match->ResultDeclared()) {
      S().MessageNumber = RoundHalfEven(S().MessageNumber + 0.5);
      match->RecordBall(S().PendingResult);
    }
  }
  void SecondInnings(int firstTotal) {
    S().Innings = 2;
    S().OverCount = 10;
    S().CurrentPlayer = 1;
    match->WriteCaption(SheetLabel::ScoreTotal, 1, std::to_string(firstTotal));
  }
  std::vector<std::string> MessagesSince(size_t from) {
    return {log->messages.begin() + static_cast<long>(from), log->messages.end()};
  }
};

TEST_F(Recording, ResultWaitsWhileMessagesShow) {
  S().MessageNumber = 3.9f;
  S().PlayStage = 3;
  const auto hands = S().Hand;
  match->RecordBall("3");
  EXPECT_EQ(S().PlayStage, 0);
  EXPECT_TRUE(S().ResultPending);
  EXPECT_EQ(S().PendingResult, "3");
  EXPECT_EQ(S().Hand, hands);
  EXPECT_FALSE(S().EndsSwapped);
  EXPECT_EQ(Caption(SheetLabel::ScoreTotal, 1), "0");
  EXPECT_EQ(Msg(), "3.9");
}

TEST_F(Recording, OddRunsAnnounceTheStrikeThenBook) {
  match->RecordBall("3");
  EXPECT_TRUE(S().EndsSwapped);
  EXPECT_EQ(S().MessageLine[9], "An odd number of runs was scored, so Venna is now on strike");
  EXPECT_EQ(Msg(), "7.9");
  EXPECT_EQ(Caption(SheetLabel::Score, 1), "");
  EXPECT_TRUE(S().ResultPending);

  match->Command1_Click();  // 8.0 books the waiting runs, then the next ball starts
  EXPECT_EQ(Caption(SheetLabel::Score, 1), "3");
  EXPECT_EQ(Caption(SheetLabel::ScoreTotal, 1), "3");
  EXPECT_EQ(Caption(SheetLabel::OverTotal, 1), "3");
  EXPECT_TRUE(S().EndsSwapped);
  EXPECT_FALSE(S().StrikeAnnounced);
  EXPECT_EQ(S().BallInOver, 2);
  EXPECT_EQ(log->plays.back().position, 1);  // the computer bowls the next ball at once
}

TEST_F(Recording, NoRunBallAndPenAnimation) {
  match->RecordBall("0");
  EXPECT_EQ(Caption(SheetLabel::Score, 1), "*");
  EXPECT_EQ(Caption(SheetLabel::OverTotal, 1), "0");
  EXPECT_EQ(Caption(SheetLabel::Extras, 1), "");
  EXPECT_FALSE(S().EndsSwapped);
  EXPECT_EQ(S().PlayStage, 1);
  EXPECT_FALSE(S().ResultPending);
  // Four pen stops around the centre of Score(1): 7455 + 127.5 rounds to 7582.
  EXPECT_EQ(table->penStops, 4);
  EXPECT_EQ(table->penX, 7582 + 30);
  EXPECT_EQ(table->penY, 982 + 30);  // 982.5 rounds to even
  EXPECT_FALSE(table->penVisible);
  ASSERT_GE(log->notepad.size(), 2u);
  EXPECT_EQ(log->notepad[log->notepad.size() - 2], "Recording the score on the score sheet now");
  EXPECT_EQ(log->notepad.back(), "Now its time to select a card to play");

  match->SelectMode(1);
  ClearMessages(6.0f);
  match->RecordBall("2");
  EXPECT_EQ(table->penStops, 4);  // demo mode writes at once
  EXPECT_EQ(Caption(SheetLabel::Score, 2), "2");
}

TEST_F(Recording, ExtraOnTheSixthBallIsBowledAgain) {
  S().BallInOver = 6;
  Book("E");
  EXPECT_EQ(Caption(SheetLabel::ScoreTotal, 1), "1");
  EXPECT_EQ(Caption(SheetLabel::OverTotal, 1), "1");
  EXPECT_EQ(Caption(SheetLabel::Extras, 1), "1");
  EXPECT_EQ(Caption(SheetLabel::Score, 6), "");
  EXPECT_EQ(S().BallInOver, 6);
  EXPECT_EQ(S().OverCount, 0);
  EXPECT_FALSE(S().EndsSwapped);
}

TEST_F(Recording, WicketBringsInANewBatterOnStrike) {
  S().EndsSwapped = true;
  const auto before = S().Hand;
  Book("W");
  EXPECT_EQ(Caption(SheetLabel::Score, 1), "W");
  EXPECT_EQ(Caption(SheetLabel::Wickets, 1), "1");
  EXPECT_EQ(Caption(SheetLabel::OverTotal, 1), "");
  for (int slot = 1; slot <= 6; ++slot) {
    EXPECT_GE(S().Hand[4][slot], 1);
    EXPECT_EQ(S().Hand[4][slot], CardNumberFromDraw(log->draws[log->draws.size() - 7 + slot], 60));
  }
  for (int p : {1, 2, 3}) EXPECT_EQ(S().Hand[p], before[p]);
  EXPECT_TRUE(S().EndsSwapped);
}

TEST_F(Recording, EndOfOverDealsAndRotates) {
  S().BallInOver = 6;
  match->WriteCaption(SheetLabel::ScoreTotal, 1, "17");
  match->WriteCaption(SheetLabel::Wickets, 1, "2");
  const size_t draws = log->draws.size();
  Book("2");
  EXPECT_EQ(S().MessageLine[7], "The over is now completed.\rThe score is 19/2 as shown on the scoreboard");
  EXPECT_EQ(log->messages.back(), "8.7");
  EXPECT_EQ(S().CurrentPlayer, 4);
  EXPECT_EQ(S().OverCount, 1);
  EXPECT_EQ(S().BallInOver, 1);
  EXPECT_EQ(log->draws.size(), draws + 7 + 12 + 9);
  // The deal's order: bowler, then the batters alternately, then the fielder.
  EXPECT_EQ(S().Hand[2][1], CardNumberFromDraw(log->draws[draws + 7], 60));
  EXPECT_EQ(S().Hand[4][1], CardNumberFromDraw(log->draws[draws + 8], 60));
  EXPECT_EQ(S().Hand[3][9], CardNumberFromDraw(log->draws.back(), 60));
  for (int slot = 1; slot <= 7; ++slot) EXPECT_LE(S().Hand[1][slot], 40);
}

TEST_F(Recording, FirstInningsEndsAtTenWicketsOrTenOvers) {
  // Ten wickets on a sixth ball: no end-of-over message, the second innings from Score(61).
  S().BallInOver = 6;
  S().OverCount = 3;
  match->SelectMode(1);
  match->WriteCaption(SheetLabel::Wickets, 1, "9");
  const size_t from = log->messages.size();
  Book("W");
  EXPECT_EQ(MessagesSince(from), (std::vector<std::string>{"9.8"}));
  EXPECT_EQ(S().Innings, 2);
  EXPECT_EQ(S().OverCount, 10);
  EXPECT_EQ(S().BallInOver, 1);
  EXPECT_EQ(S().CurrentPlayer, 1);
  EXPECT_FALSE(S().DemoMode);
  EXPECT_EQ(S().MessageLine[8], "The batting side has lost ten wickets");

  Restart();
  ClearMessages(6.0f);
  S().BallInOver = 6;
  S().OverCount = 9;
  S().CurrentPlayer = 4;
  match->SelectMode(1);
  const size_t from2 = log->messages.size();
  Book("1");
  EXPECT_EQ(MessagesSince(from2), (std::vector<std::string>{"7.9", "10.8"}));
  EXPECT_EQ(S().CurrentPlayer, 1);
  EXPECT_EQ(S().BallInOver, 1);
  EXPECT_EQ(S().Innings, 2);
  EXPECT_FALSE(S().DemoMode);
  EXPECT_EQ(S().MessageLine[8], "The ten overs have been completed");
  EXPECT_EQ(S().OverCount * 6 + S().BallInOver, 61);
}

TEST_F(Recording, ChaseDecidesTheMatch) {
  SecondInnings(95);
  match->WriteCaption(SheetLabel::ScoreTotal, 2, "92");
  match->WriteCaption(SheetLabel::Wickets, 2, "4");
  Book("4");
  EXPECT_TRUE(match->ResultDeclared());
  EXPECT_EQ(Msg(), "11.6");
  EXPECT_EQ(S().MessageLine[7], "Uncle Marlo and Dad\rwho won by 6 wickets");
}

TEST_F(Recording, ChaseWonOnTheSixthBallKeepsTheResult) {
  SecondInnings(50);
  S().OverCount = 14;
  S().BallInOver = 6;
  S().CurrentPlayer = 3;
  match->WriteCaption(SheetLabel::ScoreTotal, 2, "48");
  const auto hands = S().Hand;
  const size_t from = log->messages.size();
  match->RecordBall("4");
  EXPECT_EQ(MessagesSince(from), (std::vector<std::string>{"11.6"}));
  EXPECT_EQ(S().OverCount, 14);
  EXPECT_EQ(S().CurrentPlayer, 3);
  EXPECT_EQ(S().Hand, hands);
  for (int i = 0; i < 2; ++i) {
    match->Command1_Click();
    EXPECT_FALSE(table->closed);
  }
  EXPECT_EQ(MessagesSince(from), (std::vector<std::string>{"11.6", "11.7", "11.8"}));
  match->cmd_Previous_Click();
  match->cmd_Previous_Click();
  match->cmd_Previous_Click();
  EXPECT_GE(MessageTenths(S().MessageNumber), 116);
  while (!table->closed) match->Command1_Click();
  EXPECT_EQ(log->closes, 1);
  EXPECT_EQ(log->plays.size(), 0u);  // nothing was played after the result
}

TEST_F(Recording, TwentiethOverDeclaresOnce) {
  SecondInnings(60);
  S().OverCount = 19;
  S().BallInOver = 6;
  match->WriteCaption(SheetLabel::ScoreTotal, 2, "60");
  const size_t from = log->messages.size();
  match->RecordBall("0");
  EXPECT_EQ(MessagesSince(from), (std::vector<std::string>{"11.6"}));
  EXPECT_EQ(S().MessageLine[7], "It's a draw\r\rWhat's the chances of that");

  Restart();
  ClearMessages(6.0f);
  SecondInnings(60);
  S().OverCount = 19;
  S().BallInOver = 6;
  match->WriteCaption(SheetLabel::ScoreTotal, 2, "58");
  const size_t from2 = log->messages.size();
  match->RecordBall("4");  // passes the total on the last ball: one result
  EXPECT_EQ(MessagesSince(from2), (std::vector<std::string>{"11.6"}));
}

TEST_F(Recording, TenthWicketOfTheChaseLeavesTheBallAsItIs) {
  SecondInnings(120);
  S().OverCount = 16;
  S().BallInOver = 3;
  S().PlayedCards = {0, 5, 6, 0, 6};
  match->WriteCaption(SheetLabel::ScoreTotal, 2, "97");
  match->WriteCaption(SheetLabel::Wickets, 2, "9");
  match->RecordBall("W");
  EXPECT_EQ(Msg(), "11.6");
  EXPECT_EQ(S().MessageLine[7], "The New Guy and Venna\rwho won by 23 runs");
  EXPECT_EQ(S().BallInOver, 3);
  EXPECT_EQ(S().PlayStage, 0);
  EXPECT_EQ(S().PlayedCards, (std::array<std::int16_t, 5>{0, 5, 6, 0, 6}));
  EXPECT_TRUE(S().ResultPending);
  EXPECT_EQ(S().MessageLine[6], "Both innings have now been completed\r\rAnd the winner is:");
  EXPECT_EQ(S().MessageLine[8],
            "Thanks for playing this demo of Tanvorel.\r\rIf you wish to play again, exit this program, and run it "
            "again");
}

TEST_F(Recording, MarginsCompareTotalsAsNumbers) {
  SecondInnings(99);
  match->WriteCaption(SheetLabel::ScoreTotal, 2, "95");
  match->WriteCaption(SheetLabel::Wickets, 2, "3");
  match->RecordBall("6");  // 101 beats 99 (as text "101" < "99")
  EXPECT_EQ(S().MessageLine[7], "Uncle Marlo and Dad\rwho won by 7 wickets");
}

// While the pen pauses the window serves events. Whatever arrives then, the
// ball is booked exactly once.
TEST_F(Recording, EventsDuringThePenBookTheBallOnce) {
  struct Case {
    const char* what;
    std::function<void(Match&)> during;
  };
  const Case cases[] = {
      {"Continue", [](Match& m) { m.Command1_Click(); }},
      {"Back then Continue", [](Match& m) {
         m.cmd_Previous_Click();
         m.Command1_Click();
       }},
      {"Back", [](Match& m) { m.cmd_Previous_Click(); }},
      {"demo mode and its timer", [](Match& m) {
         m.SelectMode(1);
         m.AutoPlayTimer_Timer();
       }},
      {"a card", [](Match& m) { m.CardFaceClicked(2, 1); }},
  };
  for (const Case& c : cases) {
    Restart();
    ClearMessages(6.0f);
    int stops = 0;
    table->onPenStop = [&] {
      if (stops++ == 0) c.during(*match);
    };
    const size_t plays = log->plays.size();
    match->RecordBall("2");
    EXPECT_EQ(log->CaptionWrites(SheetLabel::Score, 1), 2) << c.what;  // cleared once, written once
    EXPECT_EQ(log->CaptionWrites(SheetLabel::Score, 2), 1) << c.what;  // only cleared
    EXPECT_EQ(Caption(SheetLabel::ScoreTotal, 1), "2") << c.what;
    EXPECT_EQ(S().BallInOver, 2) << c.what;
    EXPECT_FALSE(S().ResultPending) << c.what;
    EXPECT_EQ(S().PlayStage, 1) << c.what;
    EXPECT_EQ(log->plays.size(), plays) << c.what;
    // The match goes on from here: the next Continue at a whole number bowls.
    ClickThrough();
    match->Command1_Click();
    EXPECT_EQ(log->plays.size(), plays + 1) << c.what;
  }
}

}  // namespace
}  // namespace tanvorel::testing
