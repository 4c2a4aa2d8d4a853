// Seating, random numbers, the judging of each card, the computer players
// and the marking of the person to act.

#include <cmath>

#include "tests/core/match_fixture.h"

namespace tanvorel::testing {
namespace {

TEST(Seating, DerivedRulesAgreeWithThePersonAtEachPosition) {
  // [CurrentPlayer][position] -> person, as the players sit around the table->
  const int seating[5][5] = {{}, {0, 2, 3, 4, 1}, {0, 1, 2, 3, 4}, {0, 4, 1, 2, 3}, {0, 3, 4, 1, 2}};
  for (int cp = 1; cp <= 4; ++cp) {
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(PersonAtPosition(cp, p), seating[cp][p]) << cp << "," << p;
    EXPECT_EQ(BowlerPerson(cp), seating[cp][1]);
    EXPECT_EQ(FielderPerson(cp), seating[cp][3]);
    for (bool swapped : {false, true})
      EXPECT_EQ(StrikerPerson(cp, swapped), seating[cp][StrikerPosition(swapped)]) << cp << swapped;
  }
  EXPECT_EQ(StrikerPerson(3, true), 3);
}

TEST(Rounding, HalvesGoToEven) {
  const std::pair<double, double> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2},
                                             {2.4999, 2}, {2.5001, 3}, {40.5, 40}, {7582.5, 7582}};
  for (auto [x, expected] : cases) EXPECT_EQ(RoundHalfEven(x), expected) << x;
}

TEST(Random, DrawsAreUniformInUnitIntervalAndRepeatable) {
  Random a, b;
  a.Seed(-43200000);
  b.Seed(-43200000);
  double sum = 0;
  int buckets[10] = {};
  for (int i = 0; i < 100000; ++i) {
    const float r = a.Next();
    ASSERT_EQ(r, b.Next());
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    sum += r;
    ++buckets[static_cast<int>(r * 10)];
  }
  EXPECT_NEAR(sum / 100000, 0.5, 0.01);
  for (int n : buckets) EXPECT_NEAR(n, 10000, 500);
  Random c;
  c.Seed(1);
  Random d;
  d.Seed(2);
  EXPECT_NE(c.Next(), d.Next());
}

TEST(Random, CardNumberRule) {
  struct Case {
    float r;
    int count;
    int card;
  };
  const Case cases[] = {
      {0.0f, 40, 0},            // only an exact 0 gives an empty slot
      {1e-7f, 40, 1},
      {0.025f, 40, 2},          // 1.5000000149: the float is just above 0.025
      {0.5f, 40, 20},           // 20.5 exactly: halves go to even
      {0.0125f, 40, 1},
      {0.99999994f, 40, 40},
      {0.99999994f, 60, 60},
      {0.25f, 60, 16},          // 15.5 exactly -> 16
      {0.275f, 40, 12},
  };
  for (const Case& c : cases) EXPECT_EQ(CardNumberFromDraw(c.r, c.count), c.card) << c.r << " x " << c.count;
  Random rng;
  rng.Seed(99);
  for (int i = 0; i < 20000; ++i) {
    const int card = CardNumberFromDraw(rng.Next(), 60);
    ASSERT_GE(card, 1);
    ASSERT_LE(card, 60);
  }
}

TEST(Random, SeedIsMillisecondsFromNearestMidnight) {
  EXPECT_EQ(SeedFromClock([] { return 45000.25; }), 21600000.0);   // 6 am
  EXPECT_EQ(SeedFromClock([] { return 45000.75; }), -21600000.0);  // 6 pm
  EXPECT_EQ(SeedFromClock([] { return 45000.5; }), 43200000.0);    // noon on an even day
  EXPECT_EQ(SeedFromClock([] { return 45001.5; }), -43200000.0);   // noon on an odd day
  // The clock is read once for each term, the first term first.
  int reads = 0;
  EXPECT_DOUBLE_EQ(SeedFromClock([&] { return ++reads == 1 ? 100.4999 : 100.5001; }), (100.4999 - 101.0) * 86400000.0);
  EXPECT_EQ(reads, 2);
  const double now = LocalNowAsDays();
  EXPECT_GT(now, 46000);  // after 2025
  EXPECT_LT(now, 60000);
}

// --- Delivery resolution -------------------------------------------------

class Delivery : public MatchTest {
 protected:
  void SetUp() override { Fresh(); }
  void Fresh() {
    Restart();
    ClearMessages();
    S().Hand = {};
    S().PlayedCards = {};
    S().PlayStage = 1;
  }
  // Bowls card 1 of the bowling type with the given record from slot 1.
  void Bowl(CardRecord record) {
    SetRecord(1, 1, record);
    S().Hand[1][1] = 1;
    match->ResolveDelivery(1, 1);
  }
  // After a bowled card: clicks through and bats card 2 from `position`.
  void Bat(CardRecord record, int position = 2) {
    ClickThroughWithoutTurns();
    SetRecord(2, 2, record);
    S().Hand[position][3] = 2;
    match->ResolveDelivery(position, 3);
  }
  void Field(CardRecord record) {
    ClickThroughWithoutTurns();
    SetRecord(3, 3, record);
    S().Hand[3][4] = 3;
    match->ResolveDelivery(3, 4);
  }
  // The messages of a delivery are cleared without letting the computer move.
  void ClickThroughWithoutTurns() { S().MessageNumber = RoundHalfEven(S().MessageNumber + 0.5); }
};

TEST_F(Delivery, PendingMessageIgnoresTheCard) {
  S().MessageNumber = 1.7f;
  S().Hand[1][2] = 5;
  const MatchState before = S();
  const size_t notes = log->notepad.size();
  match->ResolveDelivery(1, 2);
  EXPECT_EQ(S().Hand, before.Hand);
  EXPECT_EQ(S().PlayedCards, before.PlayedCards);
  EXPECT_EQ(S().PlayStage, 1);
  EXPECT_EQ(log->notepad.size(), notes);
  EXPECT_TRUE(log->plays.empty());
}

TEST_F(Delivery, BowlingVerdictByNumber) {
  const std::pair<int, std::string> cases[] = {{1, "Thats some tight bowling."}, {2, "Thats some tight bowling."},
                                               {3, ""}, {4, ""}, {5, "That's poor bowling."},
                                               {7, "That's poor bowling."}, {9, "That's poor bowling."}};
  for (const auto& [number, verdict] : cases) {
    ClearMessages();
    S().PlayStage = 1;
    Bowl({static_cast<std::int16_t>(number), "Black", "x"});
    EXPECT_EQ(S().MessageLine[5],
              verdict + "\rUncle Marlo's cards are either black (for leg side deliveries) or grey (for on side "
                        "deliveries).");
    EXPECT_EQ(Msg(), "1.5");
    EXPECT_EQ(table->playedShown[1], 1);
    EXPECT_EQ(S().Hand[1][1], 0);
    EXPECT_EQ(S().PlayStage, 2);
  }
  EXPECT_EQ(S().MessageLine[8],
            "To score, The New Guy must play a card with a number LESS than Uncle Marlo's card (ie less than 9)\r"
            "If The New Guy can't do this then ...");
  EXPECT_EQ(table->notepadText, S().MessageLine[5]);
}

TEST_F(Delivery, StrikerNamedFromSwappedEnds) {
  S().EndsSwapped = true;
  Bowl({3, "Grey", ""});
  EXPECT_EQ(S().PlayStage, 4);
  EXPECT_EQ(S().MessageLine[6],
            "The batting cards have a black or grey tab in the corner.\rIt's Venna's turn to play a batting card. ");
  EXPECT_EQ(S().MessageLine[7],
            "If Venna does not play a card with the coloured tab matching the bowling card Venna will be bowled.");
}

TEST_F(Delivery, ExtraKeepsTheBowlersHandFullAndPassesE) {
  S().Hand[1] = {0, 11, 12, 13, 14, 15, 16, 17};
  SetRecord(1, 17, {0, "No Ball", "No Ball"});
  const size_t draws = log->draws.size();
  match->ResolveDelivery(1, 7);
  EXPECT_EQ(S().MessageLine[8], "Terrible bowling\r\rUncle Marlo bowled a No Ball");
  EXPECT_EQ(Msg(), "12.8");
  EXPECT_EQ(log->draws.size(), draws + 1);
  EXPECT_EQ(S().Hand[1][7], CardNumberFromDraw(log->draws.back(), 40));
  EXPECT_GT(S().Hand[1][7], 0);
  EXPECT_EQ(S().PlayStage, 0);
  EXPECT_TRUE(S().ResultPending);
  EXPECT_EQ(S().PendingResult, "E");
}

TEST_F(Delivery, BattingRules) {
  struct Case {
    CardRecord bowling, batting;
    std::string message, result;
    int stage;
  };
  const Case cases[] = {
      {{4, "Black", ""}, {2, "Grey", "Blue"}, "4.8", "W", 0},   // wrong colour: bowled, whatever the number
      {{4, "Black", ""}, {9, "Grey", "Blue"}, "4.8", "W", 0},
      {{4, "Black", ""}, {4, "Black", "Blue"}, "4.8", "W", 0},  // same number: LBW
      {{4, "Black", ""}, {6, "Black", "Blue"}, "5.9", "0", 0},  // higher: defensive
      {{4, "Black", ""}, {3, "Black", "Blue"}, "2.6", "", 3},   // lower: a scoring shot, the fielder is awaited
      {{4, "Black", ""}, {0, "black", "Blue"}, "4.8", "W", 0},  // colours compare exactly
  };
  for (const Case& c : cases) {
    Fresh();
    Bowl(c.bowling);
    Bat(c.batting);
    EXPECT_EQ(Msg(), c.message) << c.batting;
    EXPECT_EQ(S().PlayStage, c.stage) << c.batting;
    EXPECT_EQ(S().PendingResult, c.result) << c.batting;
  }
}

TEST_F(Delivery, BowledAndLbwLines) {
  Bowl({4, "Black", ""});
  Bat({2, "Grey", "Blue"});
  EXPECT_EQ(S().MessageLine[9],
            "HOWZAT??!!\r\rThe batter failed to play on the same side as the delivery (colours don't match)\rBOWLED");
  Fresh();
  Bowl({4, "Black", ""});
  Bat({4, "Black", "Blue"});
  EXPECT_EQ(S().MessageLine[9],
            "The bowling and batting cards have matching colours, but the numbers are the same:\rLBW");
}

TEST_F(Delivery, ScoringShotFromPositionFourIsFoundAtTwo) {
  S().EndsSwapped = true;
  Bowl({5, "Grey", ""});
  Bat({3, "Grey", "Orange"}, 4);
  EXPECT_EQ(S().PlayedCards[2], 2);
  EXPECT_EQ(S().PlayedCards[4], 2);
  EXPECT_EQ(S().MessageLine[6], "That is a scoring shot, which will potentially go for 3 runs.");
  EXPECT_EQ(S().MessageLine[7],
            "The Orange colour is the quadrant of the field the ball has been hit to.\rDad will try and play a "
            "fielder from this quadrant (a card of the same colour).");
  EXPECT_EQ(S().MessageLine[8],
            "If Dad can play a card with the same number (ie a 3) then it means that the batter hit it straight to "
            "the fielder, and no runs.");
  Field({1, "Orange", ""});
  EXPECT_EQ(S().PendingResult, "2");
}

TEST_F(Delivery, FieldingRules) {
  struct Case {
    CardRecord batting, fielding;
    std::string message, result;
  };
  const Case cases[] = {
      {{5, "Black", "Blue"}, {5, "Green", "Catch"}, "3.9", "5"},  // another quadrant: misfield for the full value
      {{5, "Black", "Blue"}, {5, "Blue", "Catch"}, "4.8", "W"},   // caught
      {{5, "Black", "Blue"}, {5, "Blue", "catch"}, "5.9", "0"},   // letter case counts: not a catch
      {{5, "Black", "Blue"}, {5, "Blue", ""}, "5.9", "0"},        // straight to the fielder
      {{7, "Black", "Blue"}, {3, "Blue", ""}, "6.8", "4"},        // runs cut down to the difference
      {{3, "Black", "Blue"}, {6, "Blue", "Catch"}, "7.9", "3"},   // shocking fielding
  };
  for (const Case& c : cases) {
    Fresh();
    Bowl({8, "Black", ""});
    Bat(c.batting);
    Field(c.fielding);
    EXPECT_EQ(Msg(), c.message) << c.fielding;
    EXPECT_EQ(S().PendingResult, c.result) << c.fielding;
    EXPECT_EQ(S().PlayStage, 0);
    EXPECT_EQ(S().Hand[3][4], 0);
  }
  EXPECT_EQ(S().MessageLine[9],
            "Shocking fielding\r\rThe fielding card is a higher number than the batting card\rA MISFIELD\r"
            "The score = the batting card (3)");
}

TEST_F(Delivery, RunsCutDownLines) {
  Bowl({8, "Black", ""});
  Bat({7, "Black", "Purple"});
  Field({3, "Purple", ""});
  EXPECT_EQ(S().MessageLine[8],
            "The fielder fielded from the same quadrant of the ground, with a card of lower number. ");
  EXPECT_EQ(S().MessageLine[9], "Score is the difference between the batting and fielding\r7 - 3 = 4");
  EXPECT_EQ(S().PendingResult, "4");
}

TEST_F(Delivery, CardZeroIsJudgedAgainstTheEmptyRecord) {
  Bowl({5, "Black", ""});
  ClickThroughWithoutTurns();
  match->ResolveDelivery(2, 0);  // a batter with nothing to play
  EXPECT_EQ(table->playedShown[2], 0);
  EXPECT_EQ(S().PendingResult, "W");
  Fresh();
  Bowl({5, "Black", ""});
  Bat({2, "Black", "Green"});
  ClickThroughWithoutTurns();
  match->ResolveDelivery(3, 0);
  EXPECT_EQ(S().PendingResult, "2");  // misfield for the full value
  EXPECT_EQ(Msg(), "3.9");
}

// --- Computer players ----------------------------------------------------

class ComputerPlayers : public Delivery {};

TEST_F(ComputerPlayers, BowlerBowlsTheLastCardHeld) {
  S().Hand[1] = {0, 21, 22, 0, 0, 25, 0, 0};
  match->ComputerBowls();
  ASSERT_EQ(log->plays.size(), 1u);
  EXPECT_EQ(log->plays[0].slot, 5);
  EXPECT_EQ(log->plays[0].card, 25);
}

TEST_F(ComputerPlayers, BatterScoresItsCards) {
  SetRecord(1, 1, {6, "Black", ""});
  S().PlayedCards[1] = 1;
  SetRecord(2, 11, {4, "Black", "Blue"});   // 9 + 4 = 13
  SetRecord(2, 12, {7, "Black", "Blue"});   // 9
  SetRecord(2, 13, {5, "Grey", "Blue"});    // 5 - 1 = 4
  S().Hand[2] = {0, 11, 12, 13};
  S().PlayStage = 2;
  match->ComputerBats(2);
  ASSERT_EQ(log->plays.size(), 1u);
  EXPECT_EQ(log->plays[0].slot, 1);
}

TEST_F(ComputerPlayers, BatterTiesGoToTheLowestSlotAndHopelessHandsPlayNothing) {
  SetRecord(1, 1, {2, "Grey", ""});
  S().PlayedCards[1] = 1;
  SetRecord(2, 11, {5, "Grey", "Blue"});
  SetRecord(2, 12, {6, "Grey", "Blue"});  // both score 9
  S().Hand[2] = {0, 0, 12, 11};
  match->ComputerBats(2);
  EXPECT_EQ(log->plays.back().slot, 2);

  Fresh();
  SetRecord(1, 1, {1, "Grey", ""});
  S().PlayedCards[1] = 1;
  SetRecord(2, 11, {5, "Black", "Blue"});  // another colour, higher: -1
  SetRecord(2, 12, {1, "Black", "Blue"});  // another colour, equal: -6
  S().Hand[2] = {0, 11, 12, 11};
  S().PlayStage = 2;
  match->ComputerBats(2);
  EXPECT_EQ(log->plays.back().slot, 0);
  EXPECT_EQ(S().PendingResult, "W");
}

TEST_F(ComputerPlayers, FielderPrefersTheCatch) {
  SetRecord(2, 2, {5, "Black", "Orange"});
  S().PlayedCards[2] = S().PlayedCards[4] = 2;
  SetRecord(3, 11, {3, "Orange", ""});       // 39 + 3 = 42
  SetRecord(3, 12, {5, "Orange", ""});       // 49
  SetRecord(3, 13, {5, "Orange", "Catch"});  // 59
  SetRecord(3, 14, {5, "Blue", "Catch"});    // 19
  S().Hand[3] = {0, 11, 12, 14, 13};
  S().PlayStage = 3;
  match->ComputerFields();
  ASSERT_EQ(log->plays.size(), 1u);
  EXPECT_EQ(log->plays[0].slot, 4);
  EXPECT_EQ(S().PendingResult, "W");
}

TEST_F(ComputerPlayers, NextTurnDispatch) {
  S().Hand[1] = {0, 5};
  S().Hand[2] = {0, 20};
  S().Hand[4] = {0, 30};
  S().PlayStage = 0;
  match->NextTurn();
  EXPECT_TRUE(log->plays.empty());

  S().PlayStage = 2;  // the human's batting position, play mode
  match->NextTurn();
  EXPECT_TRUE(log->plays.empty());

  S().EndsSwapped = true;  // the partner's turn is always the computer's
  S().PlayStage = 4;
  SetRecord(1, 1, {9, "Black", ""});
  S().PlayedCards[1] = 1;
  match->NextTurn();
  ASSERT_EQ(log->plays.size(), 1u);
  EXPECT_EQ(log->plays[0].position, 4);

  Fresh();
  match->SelectMode(1);
  S().PlayStage = 2;
  S().Hand[2] = {0, 20};
  match->NextTurn();
  ASSERT_EQ(log->plays.size(), 1u);
  EXPECT_EQ(log->plays[0].position, 2);
}

TEST_F(MatchTest, HighlightMarksThePersonAtTheAwaitedPosition) {
  for (int cp = 1; cp <= 4; ++cp)
    for (int stage = 0; stage <= 4; ++stage) {
      S().CurrentPlayer = static_cast<std::int16_t>(cp);
      S().PlayStage = static_cast<std::int16_t>(stage);
      match->HighlightPlayer();
      for (int person = 1; person <= 4; ++person)
        EXPECT_EQ(table->highlighted[person], stage > 0 && person == PersonAtPosition(cp, stage))
            << "cp " << cp << " stage " << stage << " person " << person;
    }
}

}  // namespace
}  // namespace tanvorel::testing
