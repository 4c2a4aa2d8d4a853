#pragma once
// The score sheet's captions. The score lives only here: ball recording and
// the match result read the captions back as numbers, change them and write
// them again as decimal text.

#include <array>
#include <string>

#include "engine/table_ops.h"

namespace tanvorel {

// Label index scheme: over m of the match (1 to 20; 11 to 20 are the second
// innings) and ball b (1 to 6) write Score(6(m-1)+b), Extras(m), OverTotal(m).
inline constexpr int kScoreCells = 120;
inline constexpr int kOversInMatch = 20;

class ScoreSheet {
 public:
  ScoreSheet();

  // Number of labels of a kind: 120, 20, 20, 2, 2 (indexes start at 1).
  static int Count(SheetLabel label);

  const std::string& Caption(SheetLabel label, int index) const;
  // Writes a caption; an index outside the kind's range is ignored.
  void SetCaption(SheetLabel label, int index, const std::string& text);

  // The caption as a number. OverTotal and Extras are read with "0" in
  // front, so an empty caption counts as 0; leading digits count, the rest
  // does not.
  int Number(SheetLabel label, int index) const;

 private:
  std::string* Find(SheetLabel label, int index);
  const std::string* Find(SheetLabel label, int index) const;

  std::array<std::string, kScoreCells + 1> score_;
  std::array<std::string, kOversInMatch + 1> extras_;
  std::array<std::string, kOversInMatch + 1> overTotal_;
  std::array<std::string, 3> scoreTotal_;
  std::array<std::string, 3> wickets_;
};

// The leading decimal number of a text, 0 when there is none ("12x" -> 12).
int LeadingNumber(const std::string& text);

}  // namespace tanvorel
