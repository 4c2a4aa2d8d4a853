#pragma once
// The numbered script of everything the notepad says in a match.
//
// A message number n.d is chain n, step d. Each situation has its chain; its
// caller starts it at the step of the first commentary line it wrote, and
// Continue steps on by 0.1 until the whole number n + 1 ends the chain.

#include <string>

#include "engine/match_state.h"

namespace tanvorel {

inline constexpr const char* kPromptToPlay = "Now it's time to select a card to play";

enum class ScriptAction {
  ShowText,    // show `text`
  CloseTable,  // the last message: the table window closes
};

struct ScriptEntry {
  ScriptAction action = ScriptAction::ShowText;
  std::string text;
};

// What the notepad shows for a fractional message number (in tenths, 15 for
// 1.5). A number outside the script shows its own digits.
ScriptEntry ScriptFor(int tenths, const MatchState& state);

}  // namespace tanvorel
