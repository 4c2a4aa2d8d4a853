#pragma once
// One entry of the card catalogue, and the card types.

#include <array>
#include <cstdint>
#include <string>

namespace tanvorel {

// The number printed on the card and its two words. For a bowling card the
// Colour is the side of the delivery (or the name of an extra); for a batting
// card the colour of its corner tab; for a fielding card its quadrant. The
// Feature is a batting card's quadrant, or "Catch" on a fielding card.
struct CardRecord {
  std::int16_t Number = 0;
  std::string Colour;
  std::string Feature;

  bool operator==(const CardRecord&) const = default;
};

// Readable test failures and logs: {7, "Black", "Blue"}.
template <typename Stream>
Stream& operator<<(Stream& out, const CardRecord& r) {
  out << "{" << r.Number << ", \"" << r.Colour << "\", \"" << r.Feature << "\"}";
  return out;
}

struct CardTypeInfo {
  std::int16_t Count = 0;
  std::string Name;
};

// Card types equal the table positions that hold them.
inline constexpr int kBowlingType = 1;
inline constexpr int kBattingType = 2;
inline constexpr int kFieldingType = 3;
inline constexpr int kSecondBattingType = 4;

inline constexpr int kBowlingCards = 40;
inline constexpr int kBattingCards = 60;
inline constexpr int kFieldingCards = 60;
inline constexpr int kMaxCardNumber = 60;

// The loaded catalogue, indexed [card type 0..4][card number 0..60]. Entries
// the catalogue does not fill (type 0, number 0, bowling 41-60) stay empty,
// and the rules rely on that: card number 0 is judged against an empty record.
using CardCatalogue = std::array<std::array<CardRecord, kMaxCardNumber + 1>, 5>;

}  // namespace tanvorel
