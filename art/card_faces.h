#pragma once
// What each card face shows: the printed value, the name across the top band,
// the side or tab colour, the colour group and the catching hand. The pictures
// are drawn from this table, and a test holds it against the shipped card
// catalogue card by card. Plain C++ so that it can be checked without Qt.

#include <array>
#include <string_view>

namespace tanvorel {

// Black or grey: the band of a bowling card and the tab of a batting card.
enum class CardSide { None, Black, Grey };

// The part of the ground a batting card hits to or a fielding card covers.
enum class CardGroup { None, Blue, Orange, Purple, Green };

// The four red bowling cards that print no value.
enum class CardExtra { None, Wide, NoBall };

struct BowlingFace {
  int value;              // 1 to 7; 0 on the extras
  std::string_view name;  // e.g. "Back of a Length"
  CardSide side;          // None on the extras
  CardExtra extra;
};

struct BattingFace {
  int value;  // 0 to 6
  std::string_view name;
  CardSide tab;
  CardGroup group;
};

struct FieldingFace {
  int value;  // 0 to 6
  std::string_view name;
  CardGroup group;
  bool catching;  // shows the red catching hand
};

inline constexpr int kBowlingFaceCount = 40;
inline constexpr int kBattingFaceCount = 60;
inline constexpr int kFieldingFaceCount = 60;

// Element n - 1 is card number n.
const std::array<BowlingFace, kBowlingFaceCount>& BowlingFaces();
const std::array<BattingFace, kBattingFaceCount>& BattingFaces();
const std::array<FieldingFace, kFieldingFaceCount>& FieldingFaces();

// The words the catalogue uses: "Black", "Grey"; "Blue", "Orange", "Purple",
// "Green"; "Wide", "No Ball". Empty for None.
std::string_view SideWord(CardSide side);
std::string_view GroupWord(CardGroup group);
std::string_view ExtraWord(CardExtra extra);

}  // namespace tanvorel
