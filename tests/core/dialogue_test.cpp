// The notepad's script and dialogue, the table's set-up, card clicks and
// demo mode.

#include "notepad/script.h"
#include "tests/core/match_fixture.h"

namespace tanvorel::testing {
namespace {

TEST_F(MatchTest, StateRightAfterSetUp) {
  EXPECT_EQ(S().CurrentPlayer, 2);
  EXPECT_EQ(S().PlayStage, 1);
  EXPECT_FALSE(S().DemoMode);
  EXPECT_EQ(table->modeChecked, 0);
  EXPECT_FALSE(table->demoControlsVisible);
  EXPECT_FALSE(table->timerRunning);
  EXPECT_EQ(Msg(), "0.6");
  EXPECT_EQ(match->PreviousMessage(), 0.6f);
  EXPECT_EQ(S().LineBreak, "\r");
  EXPECT_EQ(S().Innings, 1);
  EXPECT_EQ(S().BallInOver, 1);
  EXPECT_EQ(S().OverCount, 0);
  for (int k = 1; k <= 120; ++k) EXPECT_EQ(Caption(SheetLabel::Score, k), "");
  for (int m = 1; m <= 20; ++m) {
    EXPECT_EQ(Caption(SheetLabel::Extras, m), "");
    EXPECT_EQ(Caption(SheetLabel::OverTotal, m), "");
  }
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(Caption(SheetLabel::ScoreTotal, i), "0");
    EXPECT_EQ(Caption(SheetLabel::Wickets, i), "0");
  }
  EXPECT_EQ(S().Hand[2], (std::array<std::int16_t, 10>{0, 7, 19, 47, 29, 15, 52, 0, 0, 0}));
  EXPECT_EQ(S().Hand[3], (std::array<std::int16_t, 10>{0, 8, 8, 17, 21, 26, 27, 50, 58, 60}));
  EXPECT_EQ(table->lastViewingPosition, 2);
  EXPECT_EQ(table->nameLabels, (std::array<std::string, 5>{"", "Uncle Marlo", "The New Guy", "Dad", "Venna"}));
  EXPECT_EQ(table->homeTeamName, "The New Guy");
  EXPECT_EQ(table->namePrompt, "Please enter your name");
  EXPECT_EQ(table->highlighted, (std::array<bool, 5>{false, true, false, false, false}));
  EXPECT_EQ(table->preloaded, (std::array<bool, 5>{false, true, true, true, false}));
  EXPECT_TRUE(log->plays.empty());  // the bowler's first choice waits for the tutorial
  EXPECT_TRUE(log->draws.empty());
  // Three lines of rights, joined by the line break, none after the last.
  const std::string& notice = table->copyright;
  EXPECT_EQ(std::count(notice.begin(), notice.end(), '\r'), 2);
  EXPECT_NE(notice.back(), '\r');
}

TEST_F(MatchTest, NamesAreKeptAsTyped) {
  for (const std::string name : {std::string(), std::string("  Ann  ")}) {
    Restart(name);
    EXPECT_EQ(S().PlayerName[2], name);
    EXPECT_EQ(table->nameLabels[2], name);
    EXPECT_EQ(table->homeTeamName, name);
    match->Command1_Click();
    match->Command1_Click();
    EXPECT_EQ(table->notepadText, name + " and Venna (sitting opposite " + name + ") are batting, with " + name +
                                      " facing first");
  }
}

TEST_F(MatchTest, MissingCatalogueStopsTheSetUp) {
  HeadlessTable t;
  Match m(t);
  SetUpOptions options;
  options.cataloguePath = "/nowhere/Details/CardDetails.ini";
  options.seed = 1;
  const auto error = m.SetUp(options);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind, CatalogueErrorKind::CannotOpen);
  EXPECT_TRUE(t.namePrompt.empty());  // nothing after the catalogue ran
  EXPECT_EQ(m.State().MessageNumber, 0.0f);
}

TEST_F(MatchTest, TutorialAndContinue) {
  EXPECT_EQ(table->notepadText, "I shall now show you how to play Tanvorel.\r\rThis notepad displays instructions.");
  match->Command1_Click();
  EXPECT_EQ(table->notepadText,
            "Uncle Marlo won the toss, and has decided that Uncle Marlo and Dad will bowl and field first.");
  match->Command1_Click();
  match->Command1_Click();
  EXPECT_EQ(table->notepadText, "Uncle Marlo will start the game by playing a bowling card");
  EXPECT_TRUE(table->continueVisible);
  ASSERT_TRUE(log->plays.empty());
  match->Command1_Click();  // 0.9 -> 1.0: the chain ends and the bowler bowls in the same click
  ASSERT_EQ(log->plays.size(), 1u);
  EXPECT_EQ(log->notepad[log->notepad.size() - 2], "Now it's time to select a card to play");
  EXPECT_EQ(Msg(), "1.5");
  EXPECT_TRUE(table->continueVisible);
}

TEST_F(MatchTest, ContinueAtWholeNumberBooksThePendingResultFirst) {
  S().MessageNumber = 7.9f;
  S().ResultPending = true;
  S().PendingResult = "2";
  S().PlayStage = 0;
  match->Command1_Click();
  EXPECT_EQ(Caption(SheetLabel::Score, 1), "2");
  ASSERT_EQ(log->plays.size(), 1u);  // NextTurn after the booking: the next ball
  EXPECT_EQ(log->plays[0].position, 1);
}

TEST_F(MatchTest, BackAlternatesBetweenTheLastTwoMessages) {
  match->cmd_Previous_Click();  // right after the first message: the same again
  EXPECT_EQ(Msg(), "0.6");
  match->MessageFromDatabase(2.6f);
  match->Command1_Click();
  match->Command1_Click();
  EXPECT_EQ(Msg(), "2.8");
  match->cmd_Previous_Click();
  EXPECT_EQ(Msg(), "2.7");
  match->cmd_Previous_Click();
  EXPECT_EQ(Msg(), "2.8");
  // From a whole number Back shows the chain's last message again.
  S().PlayStage = 0;  // nobody moves when the chain ends
  match->Command1_Click();
  match->Command1_Click();
  EXPECT_EQ(Msg(), "3.0");
  EXPECT_FALSE(table->continueVisible);
  match->cmd_Previous_Click();
  EXPECT_EQ(Msg(), "2.9");
  EXPECT_TRUE(table->continueVisible);
}

TEST_F(MatchTest, PreviousMessageRules) {
  S().MessageNumber = 3.0f;
  match->MessageFromDatabase(7.9f);
  EXPECT_EQ(match->PreviousMessage(), 7.9f);
  match->MessageFromDatabase(8.0f);
  EXPECT_EQ(match->PreviousMessage(), 7.9f);
  EXPECT_EQ(table->notepadText, "Now it's time to select a card to play");
  EXPECT_FALSE(table->continueVisible);
}

TEST_F(MatchTest, ShowMessageReplacesOnlyTheText) {
  match->MessageFromDatabase(2.7f);
  match->ShowMessage("hello");
  EXPECT_EQ(table->notepadText, "hello");
  EXPECT_EQ(Msg(), "2.7");
  match->Command1_Click();
  EXPECT_EQ(Msg(), "2.8");
}

TEST_F(MatchTest, ScriptEntries) {
  S().MessageLine = {"", "", "", "", "", "L5", "L6", "L7", "L8", "L9"};
  const std::pair<float, std::string> cases[] = {
      {1.5f, "L5"}, {1.9f, "L9"}, {2.6f, "L6"}, {3.9f, "L9"}, {4.8f, "L9"},
      {4.9f, "When a batter is dismissed, all the batters cards are discarded.\rA new set of six cards is dealt for the next batter"},
      {5.9f, "L9"}, {6.8f, "L8"}, {7.9f, "L9"}, {8.7f, "L7"}, {9.8f, "L8"}, {10.9f, "L9"}, {11.6f, "L6"},
      {11.8f, "L8"}, {12.8f, "L8"}, {12.9f, "L9"},
      {3.1f, "3.1"}, {0.3f, "0.3"}, {13.5f, "13.5"},   // outside the script: the number itself
  };
  for (const auto& [number, text] : cases) {
    match->MessageFromDatabase(number);
    EXPECT_EQ(table->notepadText, text) << number;
    EXPECT_TRUE(table->continueVisible) << number;
  }
  EXPECT_FALSE(table->closed);
  match->MessageFromDatabase(11.9f);
  EXPECT_TRUE(table->closed);
  EXPECT_TRUE(match->TableClosed());
  EXPECT_EQ(log->closes, 1);
  // Nothing reaches the gone table.
  match->Command1_Click();
  match->CardFaceClicked(2, 1);
  EXPECT_EQ(log->closes, 1);
}

TEST_F(MatchTest, MessageNumbersStepExactly) {
  float n = 0.6f;
  for (int i = 0; i < 4; ++i) n = static_cast<float>(RoundHalfEven((n + 0.1f) * 10.0) / 10.0);
  EXPECT_TRUE(IsWhole(n));
  EXPECT_EQ(n, 1.0f);
  EXPECT_EQ(MessageNumberText(8.0f), "8.0");
  EXPECT_EQ(MessageNumberText(11.6f), "11.6");
  EXPECT_EQ(MessageTenths(12.9f), 129);
}

TEST_F(MatchTest, CardClicks) {
  // A message is pending: the reminder, nothing played.
  EXPECT_EQ(match->CardFaceClicked(2, 1), CardClick::ShowedReminder);
  EXPECT_EQ(table->notepadText, "Remember, you must click here to clear any messages first");
  EXPECT_EQ(Msg(), "0.6");
  ClickThrough();  // the bowler bowls; then the human's batting card is awaited
  ClickThrough();
  ASSERT_EQ(S().PlayStage, 2);
  EXPECT_EQ(match->CardFaceClicked(4, 1), CardClick::Ignored);
  bool hidden = false;
  EXPECT_EQ(match->CardFaceClicked(2, 3, [&] { hidden = true; }), CardClick::Played);
  EXPECT_TRUE(hidden);
  EXPECT_EQ(log->plays.back().position, 2);
  EXPECT_EQ(log->plays.back().slot, 3);
  EXPECT_EQ(log->plays.back().card, 47);
  EXPECT_EQ(S().Hand[2][3], 0);
  // A second quick click on the same card finds a message pending.
  EXPECT_EQ(match->CardFaceClicked(2, 3), CardClick::ShowedReminder);
  EXPECT_EQ(log->plays.size(), 2u);
}

TEST_F(MatchTest, DemoModeControls) {
  const std::pair<int, int> speeds[] = {{0, 10000}, {1, 5000}, {2, 2000}, {3, 1000},
                                        {4, 500},   {5, 200},  {6, 100},  {7, 10}};
  for (auto [speed, interval] : speeds) EXPECT_EQ(Match::AutoPlayInterval(speed), interval);
  EXPECT_FALSE(Match::AutoPlayInterval(8).has_value());
  EXPECT_FALSE(Match::AutoPlayInterval(-1).has_value());

  table->demoSpeed = 7;
  match->SelectMode(1);
  EXPECT_TRUE(S().DemoMode);
  EXPECT_TRUE(table->timerRunning);
  EXPECT_EQ(table->timerInterval, 10);
  EXPECT_TRUE(table->demoControlsVisible);
  EXPECT_EQ(table->modeChecked, 1);
  match->AutoPlayTimer_Timer();
  EXPECT_EQ(Msg(), "0.7");

  table->demoSpeed = 99;  // a value outside the table keeps the interval
  match->HScroll1_Change();
  EXPECT_EQ(table->timerInterval, 10);

  match->SelectMode(0);
  EXPECT_FALSE(S().DemoMode);
  EXPECT_FALSE(table->timerRunning);
  EXPECT_FALSE(table->demoControlsVisible);
  match->AutoPlayTimer_Timer();  // a late tick in play mode does nothing
  EXPECT_EQ(Msg(), "0.7");
  match->SelectMode(0);
  EXPECT_EQ(log->modes, (std::vector<bool>{false, true, false, false}));
}

TEST_F(MatchTest, DemoTimerPlaysTheHumansCards) {
  match->SelectMode(1);
  for (int i = 0; i < 40 && log->plays.size() < 2; ++i) match->AutoPlayTimer_Timer();
  ASSERT_GE(log->plays.size(), 2u);
  EXPECT_EQ(log->plays[1].position, 2);  // the human's position, played by the computer
}

}  // namespace
}  // namespace tanvorel::testing
