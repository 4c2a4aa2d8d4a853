#pragma once
// What must hold of the score sheet whenever no ball is half booked: every
// total agrees with the cells it adds up. Shared by the core tests and the
// tests that drive the real window.

#include <string>
#include <vector>

#include "table/score_sheet.h"

namespace tanvorel::testing {

inline int CellRuns(const std::string& cell) { return cell == "*" || cell == "W" ? 0 : LeadingNumber(cell); }

// Empty when all is well, else one line per problem.
inline std::vector<std::string> SheetProblems(const ScoreSheet& sheet) {
  std::vector<std::string> problems;
  for (int innings = 1; innings <= 2; ++innings) {
    int runs = 0, wickets = 0;
    for (int over = (innings - 1) * 10 + 1; over <= innings * 10; ++over) {
      int overRuns = 0;
      for (int ball = 1; ball <= 6; ++ball) {
        const std::string& cell = sheet.Caption(SheetLabel::Score, (over - 1) * 6 + ball);
        overRuns += CellRuns(cell);
        wickets += cell == "W";
      }
      const int extras = sheet.Number(SheetLabel::Extras, over);
      if (sheet.Number(SheetLabel::OverTotal, over) != overRuns + extras)
        problems.push_back("over " + std::to_string(over) + ": OverTotal " +
                           sheet.Caption(SheetLabel::OverTotal, over) + " but cells and extras make " +
                           std::to_string(overRuns + extras));
      runs += overRuns + extras;
    }
    if (sheet.Number(SheetLabel::ScoreTotal, innings) != runs)
      problems.push_back("innings " + std::to_string(innings) + ": ScoreTotal " +
                         sheet.Caption(SheetLabel::ScoreTotal, innings) + " but cells and extras make " +
                         std::to_string(runs));
    if (sheet.Number(SheetLabel::Wickets, innings) != wickets)
      problems.push_back("innings " + std::to_string(innings) + ": Wickets " +
                         sheet.Caption(SheetLabel::Wickets, innings) + " but " + std::to_string(wickets) +
                         " W cells");
  }
  return problems;
}

}  // namespace tanvorel::testing
