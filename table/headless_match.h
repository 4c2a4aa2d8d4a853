#pragma once
// Plays a whole match without a screen: the table is set up with a given
// seed and name, then Continue is pressed (demo mode switched on whenever it
// is off) until the last message closes the table.

#include <optional>
#include <string>

#include "engine/table_ops.h"
#include "table/catalogue.h"

namespace tanvorel {

inline constexpr int kMaxPresses = 100000;

enum class Winner { BattedFirst, BattedSecond, Draw };

struct MatchSummary {
  long long seed = 0;
  int t1 = 0, w1 = 0, t2 = 0, w2 = 0;
  Winner winner = Winner::Draw;
  std::string resultText;  // the winner line of the notepad, line breaks as spaces
  int presses = 0;         // Continue presses
  int deliveries = 0;      // bowling cards played, extras included
  bool hung = false;       // the table had not closed after kMaxPresses presses
};

struct HeadlessMatchResult {
  std::optional<MatchSummary> summary;
  std::optional<CatalogueError> error;
};

HeadlessMatchResult PlayHeadlessMatch(const std::string& cataloguePath, long long seed, const std::string& name,
                                      MatchTrace* trace = nullptr, int maxPresses = kMaxPresses);

}  // namespace tanvorel
