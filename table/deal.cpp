// Dealing: every card is an independent draw, so numbers may repeat within
// a hand and across hands.

#include "engine/match.h"

namespace tanvorel {

std::int16_t Match::DealCard(int count) { return CardNumberFromDraw(random_.Next(), count); }

void Match::cmd_Deal_Click() {
  if (closed_) return;
  auto& hand = state_.Hand;
  for (std::size_t slot = 1; slot <= 7; ++slot) hand[1][slot] = DealCard(state_.CardTypes[1].Count);
  // The two batters' draws alternate, slot by slot.
  for (std::size_t slot = 1; slot <= 6; ++slot) {
    hand[2][slot] = DealCard(state_.CardTypes[2].Count);
    hand[4][slot] = DealCard(state_.CardTypes[4].Count);
  }
  for (std::size_t slot = 1; slot <= 9; ++slot) hand[3][slot] = DealCard(state_.CardTypes[3].Count);
  ShowCards();
}

void Match::ShowCards() { table_->ShowCards(state_.CurrentPlayer); }

}  // namespace tanvorel
