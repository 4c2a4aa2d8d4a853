// Whose turn it is, the three computer players, and the marking of the
// person whose card is awaited.
//
// The computer players have no memory and no look-ahead: each choice is a
// fixed scoring of the cards in hand against the cards on the table, the
// first card with the strictly best positive score winning.

#include "engine/match.h"

namespace tanvorel {

void Match::NextTurn() {
  if (closed_ || resultDeclared_) return;
  const int stage = state_.PlayStage;
  if (stage < 1) return;
  if (stage == state_.CurrentPlayer && !state_.DemoMode) return;  // the human's click plays
  switch (stage) {
    case 1: ComputerBowls(); break;
    case 2:
    case 4: ComputerBats(stage); break;
    case 3: ComputerFields(); break;
    default: break;
  }
}

void Match::ComputerBowls() {
  // The last card of the hand, whatever it is.
  int chosen = 0;
  for (int slot = 1; slot <= 7; ++slot)
    if (state_.Hand[1][static_cast<std::size_t>(slot)] > 0) chosen = slot;
  ResolveDelivery(1, chosen);
}

void Match::ComputerBats(int position) {
  const CardRecord& B = Played(1);
  const auto p = static_cast<std::size_t>(position);
  int best = 0;
  int chosen = 0;
  for (int slot = 1; slot <= 6; ++slot) {
    const std::int16_t card = state_.Hand[p][static_cast<std::size_t>(slot)];
    if (card <= 0) continue;
    const CardRecord& R = state_.CardDetails[p][static_cast<std::size_t>(card)];
    int score = -1;
    if (R.Colour == B.Colour) score = 9;
    if (B.Number == R.Number) score -= 5;
    if (B.Number > R.Number) score += R.Number;
    if (score > best) {
      best = score;
      chosen = slot;
    }
  }
  ResolveDelivery(position, chosen);
}

void Match::ComputerFields() {
  const CardRecord& T = Played(2);
  int best = 0;
  int chosen = 0;
  for (int slot = 1; slot <= 9; ++slot) {
    const std::int16_t card = state_.Hand[3][static_cast<std::size_t>(slot)];
    if (card <= 0) continue;
    const CardRecord& R = state_.CardDetails[3][static_cast<std::size_t>(card)];
    int score = -1;
    if (T.Feature == R.Colour) score = 39;
    if (T.Number == R.Number) {
      score += 10;
      if (R.Feature == "Catch") score += 10;
    } else if (T.Number > R.Number) {
      score += R.Number;
    }
    if (score > best) {
      best = score;
      chosen = slot;
    }
  }
  ResolveDelivery(3, chosen);
}

void Match::HighlightPlayer() {
  // The person at the awaited position is marked; nobody while no card is
  // awaited, nor once the match is decided.
  std::array<bool, 5> marked{};
  const int stage = state_.PlayStage;
  if (stage >= 1 && stage <= 4 && !resultDeclared_) marked[static_cast<std::size_t>(PersonAtPosition(state_.CurrentPlayer, stage))] = true;
  trace_->OnHighlight(marked);
  table_->SetHighlight(marked);
}

}  // namespace tanvorel
