// Booking the result of a ball: the change of strike, the score sheet, the
// totals, wickets and extras, the new batter, the end of an over, the change
// of innings, and the call for the result when the match is decided.
//
// A result that arrives while the notepad still shows messages waits in
// PendingResult; Continue books it once the user has clicked through.

#include <string>

#include "engine/match.h"

namespace tanvorel {

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

void Match::RecordBall(const std::string& result) {
  if (closed_) return;
  // The pen's pauses let Continue run in the middle of booking; a second
  // booking of the same ball must not start then.
  if (booking_) return;

  state_.PlayStage = 0;
  state_.ResultPending = true;
  state_.PendingResult = result;
  if (!IsWhole(state_.MessageNumber)) return;

  booking_ = true;
  BookBall(result);
  booking_ = false;
}

void Match::BookBall(const std::string& result) {
  const std::string& LB = state_.LineBreak;
  const int ball = state_.OverCount * 6 + state_.BallInOver;
  const int over = state_.OverCount + 1;
  const int innings = state_.Innings;

  if (result != "E" && result != "W") {
    const int runs = LeadingNumber(result);
    if (runs % 2 == 1 && !state_.StrikeAnnounced) {
      state_.EndsSwapped = !state_.EndsSwapped;
      const int striker = StrikerPerson(state_.CurrentPlayer, state_.EndsSwapped);
      state_.MessageLine[9] = "An odd number of runs was scored, so " +
                              state_.PlayerName[static_cast<std::size_t>(striker)] + " is now on strike";
      MessageFromDatabase(7.9f);
      state_.StrikeAnnounced = true;
      return;
    }
    RecordScore(SheetLabel::Score, ball, Trimmed(result) == "0" ? "*" : result);
  }
  state_.StrikeAnnounced = false;

  if (result == "W") {
    RecordScore(SheetLabel::Score, ball, "W");
    AddToCaption(SheetLabel::Wickets, innings, 1);
    if (sheet_.Number(SheetLabel::Wickets, innings) >= 10) {
      if (innings == 1) {
        SelectMode(0);
        state_.MessageLine[8] = "The batting side has lost ten wickets";
        state_.MessageLine[9] = "The fielding and batting teams now swap roles";
        MessageFromDatabase(9.8f);
        state_.Innings = 2;
        state_.BallInOver = 0;
        state_.OverCount = 10;
        state_.CurrentPlayer = 1;
        cmd_Deal_Click();
      } else {
        DeclareResult();
        return;  // the match is over; the ball stays as it is
      }
    } else {
      // A new batter comes in on strike with six fresh cards.
      const auto position = static_cast<std::size_t>(StrikerPosition(state_.EndsSwapped));
      for (std::size_t slot = 1; slot <= 6; ++slot) state_.Hand[position][slot] = DealCard(state_.CardTypes[2].Count);
    }
  } else if (result == "E") {
    AddToCaption(SheetLabel::ScoreTotal, innings, 1);
    AddToCaption(SheetLabel::OverTotal, over, 1);
    AddToCaption(SheetLabel::Extras, over, 1);
    --state_.BallInOver;  // the ball is bowled again
  } else {
    const int runs = LeadingNumber(result);
    AddToCaption(SheetLabel::ScoreTotal, innings, runs);
    AddToCaption(SheetLabel::OverTotal, over, runs);
  }

  // The chase: once the side batting second passes the first total the match
  // is decided. The over does not change for that ball, so the result stays
  // on the notepad and no further ball is played.
  bool decided = false;
  if (state_.Innings == 2 &&
      sheet_.Number(SheetLabel::ScoreTotal, 2) > sheet_.Number(SheetLabel::ScoreTotal, 1)) {
    DeclareResult();
    decided = true;
  }

  if (!decided) {
    ++state_.BallInOver;
    if (state_.BallInOver > 6) {
      ++state_.OverCount;
      if (state_.OverCount == 10) {
        SelectMode(0);
        state_.MessageLine[8] = "The ten overs have been completed";
        state_.MessageLine[9] = "The fielding and batting teams now swap roles";
        MessageFromDatabase(10.8f);
        state_.Innings = 2;
        state_.CurrentPlayer = 1;
      } else if (state_.OverCount == 20) {
        DeclareResult();
      } else {
        state_.MessageLine[7] = "The over is now completed." + LB + "The score is " +
                                sheet_.Caption(SheetLabel::ScoreTotal, state_.Innings) + "/" +
                                sheet_.Caption(SheetLabel::Wickets, state_.Innings) + " as shown on the scoreboard";
        state_.MessageLine[8] = "Each over everyone gets a new set of cards, which I shall deal now" + LB +
                                "Also, the bowler and fielder swap roles, and the batters change ends";
        state_.MessageLine[9] = "If you want to accelerate to the end of an innings, click 'demo mode'";
        MessageFromDatabase(8.7f);
        state_.CurrentPlayer = static_cast<std::int16_t>(state_.CurrentPlayer + 2 > 4 ? state_.CurrentPlayer - 2
                                                                                         : state_.CurrentPlayer + 2);
      }
      cmd_Deal_Click();
      state_.BallInOver = 1;
    }
  }

  state_.PlayedCards.fill(0);
  ShowCards();
  state_.PlayStage = kBowlerPosition;
  HighlightPlayer();
  state_.ResultPending = false;
}

}  // namespace tanvorel
