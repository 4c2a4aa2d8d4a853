// Judging each card of a delivery: the rules of the game.
//
// A bowling card of 0 is an extra. Otherwise the batter must match the
// bowling card's colour (else bowled); with the colour matched the same
// number is LBW, a higher one a defensive shot and a lower one a scoring shot
// worth the batting card's number. The fielder must then match the quadrant
// the ball went to (else a misfield for the full value); with the quadrant
// matched the same number stops the ball (caught with a catching hand), a
// lower one cuts the runs to the difference, a higher one is a misfield.

#include <string>

#include "engine/match.h"

namespace tanvorel {

namespace {
std::string Text(int n) { return std::to_string(n); }
}  // namespace

const CardRecord& Match::Played(int position) const {
  // Batting cards are read at position 2 (the batting stage copies them there).
  const int type = position == 4 ? 2 : position;
  return state_.CardDetails[static_cast<std::size_t>(type)][static_cast<std::size_t>(state_.PlayedCards[static_cast<std::size_t>(position)])];
}

void Match::ResolveDelivery(int position, int slot) {
  if (!IsWhole(state_.MessageNumber)) return;
  if (closed_ || resultDeclared_) return;  // the match is over: nothing more is played
  if (position < 1 || position > 4 || slot < 0 || slot > 9) return;
  const auto p = static_cast<std::size_t>(position);
  const auto s = static_cast<std::size_t>(slot);

  state_.PlayedCards[p] = state_.Hand[p][s];
  trace_->OnPlay(position, slot, state_.PlayedCards[p]);
  table_->ShowPlayedCard(position, state_.PlayedCards[p]);
  state_.Hand[p][s] = 0;

  switch (position) {
    case 1: BowlingStage(slot); break;
    case 2:
    case 4: BattingStage(); break;
    case 3: FieldingStage(); break;
  }
  HighlightPlayer();
  ShowCards();
}

void Match::BowlingStage(int slot) {
  const std::string& LB = state_.LineBreak;
  const int cp = state_.CurrentPlayer;
  const CardRecord& B = Played(1);
  const std::string& bowler = state_.PlayerName[static_cast<std::size_t>(BowlerPerson(cp))];
  const std::string& striker = state_.PlayerName[static_cast<std::size_t>(StrikerPerson(cp, state_.EndsSwapped))];

  if (B.Number == 0) {
    state_.MessageLine[8] = "Terrible bowling" + LB + LB + bowler + " bowled a " + B.Colour;
    state_.MessageLine[9] =
        "Thats a bonus run for the batting team, and an extra ball for the over (replace the card played)";
    MessageFromDatabase(12.8f);
    // The bowler gets a fresh card in the same slot. Slot 0 (a bowler who had
    // no card) stays empty: it never holds a card.
    const std::int16_t fresh = DealCard(state_.CardTypes[1].Count);
    if (slot > 0) state_.Hand[1][static_cast<std::size_t>(slot)] = fresh;
    RecordBall("E");
    return;
  }

  std::string verdict;
  if (B.Number <= 2)
    verdict = "Thats some tight bowling.";
  else if (B.Number >= 5)
    verdict = "That's poor bowling.";
  state_.MessageLine[5] =
      verdict + LB + bowler + "'s cards are either black (for leg side deliveries) or grey (for on side deliveries).";
  state_.MessageLine[6] = "The batting cards have a black or grey tab in the corner." + LB + "It's " + striker +
                          "'s turn to play a batting card. ";
  state_.MessageLine[7] = "If " + striker + " does not play a card with the coloured tab matching the bowling card " +
                          striker + " will be bowled.";
  state_.MessageLine[8] = "To score, " + striker + " must play a card with a number LESS than " + bowler +
                          "'s card (ie less than " + Text(B.Number) + ")" + LB + "If " + striker +
                          " can't do this then ...";
  state_.MessageLine[9] = "a higher number is a defensive shot." + LB + LB + "Play carefully: The same number is an LBW";
  MessageFromDatabase(1.5f);
  state_.PlayStage = static_cast<std::int16_t>(StrikerPosition(state_.EndsSwapped));
}

void Match::BattingStage() {
  const std::string& LB = state_.LineBreak;
  if (state_.PlayedCards[2] > 0)
    state_.PlayedCards[4] = state_.PlayedCards[2];
  else
    state_.PlayedCards[2] = state_.PlayedCards[4];
  const CardRecord& B = Played(1);
  const CardRecord& T = Played(2);

  if (B.Colour != T.Colour) {
    state_.MessageLine[9] = "HOWZAT?" "?!!" + LB + LB +
                            "The batter failed to play on the same side as the delivery (colours don't match)" + LB +
                            "BOWLED";
    MessageFromDatabase(4.8f);
    RecordBall("W");
  } else if (B.Number == T.Number) {
    state_.MessageLine[9] =
        "The bowling and batting cards have matching colours, but the numbers are the same:" + LB + "LBW";
    MessageFromDatabase(4.8f);
    RecordBall("W");
  } else if (B.Number < T.Number) {
    state_.MessageLine[9] =
        "Because the number on the batting card is higher than the bowling card, this is a defensive shot - No Runs "
        "(and no need to field)";
    MessageFromDatabase(5.9f);
    RecordBall("0");
  } else {
    const std::string& fielder = state_.PlayerName[static_cast<std::size_t>(FielderPerson(state_.CurrentPlayer))];
    state_.MessageLine[6] = "That is a scoring shot, which will potentially go for " + Text(T.Number) + " runs.";
    state_.MessageLine[7] = "The " + T.Feature + " colour is the quadrant of the field the ball has been hit to." + LB +
                            fielder + " will try and play a fielder from this quadrant (a card of the same colour).";
    state_.MessageLine[8] = "If " + fielder + " can play a card with the same number (ie a " + Text(T.Number) +
                            ") then it means that the batter hit it straight to the fielder, and no runs.";
    state_.MessageLine[9] =
        "If " + fielder + " plays a smaller number then he will cut off some runs - otherwise it is a misfield";
    MessageFromDatabase(2.6f);
    state_.PlayStage = kFielderPosition;
  }
}

void Match::FieldingStage() {
  const std::string& LB = state_.LineBreak;
  const CardRecord& T = Played(2);
  const CardRecord& F = Played(3);

  if (T.Feature != F.Colour) {
    state_.MessageLine[9] = "The fielders seem to be sleeping." + LB +
                            "The fielding card is from a different quadrant of the field" + LB + "A MISFIELD" + LB +
                            "The score = the batting card (" + Text(T.Number) + ")";
    MessageFromDatabase(3.9f);
    RecordBall(Text(T.Number));
  } else if (T.Number == F.Number && F.Feature == "Catch") {
    state_.MessageLine[9] =
        "The batter hit the ball straight to the fielder (same colour and same number) AND the fielding card had a "
        "catching hand - the batter is caught";
    MessageFromDatabase(4.8f);
    RecordBall("W");
  } else if (T.Number == F.Number) {
    state_.MessageLine[9] =
        "The batter hit the ball straight to the fielder (same colour and same number) " + LB + LB + "NO RUNS";
    MessageFromDatabase(5.9f);
    RecordBall("0");
  } else if (T.Number > F.Number) {
    state_.MessageLine[8] = "The fielder fielded from the same quadrant of the ground, with a card of lower number. ";
    state_.MessageLine[9] = "Score is the difference between the batting and fielding" + LB + Text(T.Number) + " - " +
                            Text(F.Number) + " = " + Text(T.Number - F.Number);
    MessageFromDatabase(6.8f);
    RecordBall(Text(T.Number - F.Number));
  } else {
    state_.MessageLine[9] = "Shocking fielding" + LB + LB +
                            "The fielding card is a higher number than the batting card" + LB + "A MISFIELD" + LB +
                            "The score = the batting card (" + Text(T.Number) + ")";
    MessageFromDatabase(7.9f);
    RecordBall(Text(T.Number));
  }
}

}  // namespace tanvorel
