// The result of the match: who won and by how much, or a draw, and the
// closing messages. The side batting first is the human and Venna (persons
// 2 and 4); the side batting second Uncle Marlo and Dad (persons 1 and 3).

#include <string>

#include "engine/match.h"

namespace tanvorel {

void Match::DeclareResult() {
  // Declared once: its chain of messages is never replaced by another.
  if (resultDeclared_ || closed_) return;
  resultDeclared_ = true;

  const std::string& LB = state_.LineBreak;
  const auto& name = state_.PlayerName;
  state_.MessageLine[6] = "Both innings have now been completed" + LB + LB + "And the winner is:";
  const int first = sheet_.Number(SheetLabel::ScoreTotal, 1);
  const int second = sheet_.Number(SheetLabel::ScoreTotal, 2);
  if (first > second) {
    state_.MessageLine[7] = name[2] + " and " + name[4] + LB + "who won by " + std::to_string(first - second) + " runs";
  } else if (first == second) {
    state_.MessageLine[7] = "It's a draw" + LB + LB + "What's the chances of that";
  } else {
    const int wickets = sheet_.Number(SheetLabel::Wickets, 2);
    state_.MessageLine[7] = name[1] + " and " + name[3] + LB + "who won by " + std::to_string(10 - wickets) + " wickets";
  }
  state_.MessageLine[8] = "Thanks for playing this demo of Tanvorel." + LB + LB +
                          "If you wish to play again, exit this program, and run it again";
  SelectMode(0);
  MessageFromDatabase(11.6f);
  // Back stays within the result: a message still showing when the match was
  // decided (Back pressed while the pen was writing) must not come back and
  // lead into play again.
  previousMessage_ = state_.MessageNumber;
}

}  // namespace tanvorel
