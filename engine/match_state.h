#pragma once
// The match state: the one record every part of the game shares.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/card_record.h"

namespace tanvorel {

// Table positions have fixed roles; people move around them over by over.
inline constexpr int kBowlerPosition = 1;
inline constexpr int kFielderPosition = 3;

// People, the index of PlayerName.
inline constexpr int kUncleMarlo = 1;
inline constexpr int kHuman = 2;
inline constexpr int kDad = 3;
inline constexpr int kVenna = 4;

// Hand slots used by each position (index 0 unused).
inline constexpr std::array<int, 5> kSlotsInHand = {0, 7, 6, 9, 6};

struct MatchState {
  std::string LineBreak;                       // one carriage return, put between sentences
  std::array<CardTypeInfo, 5> CardTypes{};     // [1..4]: Bowling 40, Batting 60, Fielding 60, Batting 60
  std::int16_t CurrentPlayer = 0;              // the position the human holds, and the view of the table
  std::int16_t PlayStage = 0;                  // position whose card is awaited; 0 while a result is shown or booked
  float MessageNumber = 0.0f;                  // the notepad's message; fractional while messages are pending
  bool DemoMode = false;
  std::int16_t Innings = 0;
  std::int16_t BallInOver = 0;
  std::int16_t OverCount = 0;                  // overs completed in the match, both innings together
  bool EndsSwapped = false;                    // the batter at position 4 is on strike
  bool StrikeAnnounced = false;
  bool ResultPending = false;
  std::string PendingResult;                   // "W", "E" or the runs as digits
  std::array<std::string, 5> PlayerName;       // by person
  std::array<std::string, 10> MessageLine;     // lines 5 to 9 carry commentary
  CardCatalogue CardDetails{};
  std::array<std::array<std::int16_t, 10>, 5> Hand{};  // [position][slot], 0 = empty
  std::array<std::int16_t, 5> PlayedCards{};           // card number each position played in this delivery
};

// The person sitting at position p when the human is at position cp.
constexpr int PersonAtPosition(int cp, int p) { return ((((p - cp + 1) % 4) + 4) % 4) + 1; }

constexpr int BowlerPerson(int cp) { return cp <= 2 ? 3 - cp : 7 - cp; }
constexpr int FielderPerson(int cp) { return 5 - cp; }
constexpr int StrikerPosition(bool endsSwapped) { return endsSwapped ? 4 : 2; }
constexpr int StrikerPerson(int cp, bool endsSwapped) {
  int s = 4 - cp + (endsSwapped ? 2 : 0);
  if (s > 4) s -= 4;
  if (s < 1) s += 4;
  return s;
}

// Rounds to the nearest integer, an exact half going to the even one.
inline double RoundHalfEven(double x) {
  const double down = std::floor(x);
  const double fraction = x - down;
  if (fraction > 0.5) return down + 1;
  if (fraction < 0.5) return down;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1;
}

// A message number is whole when no message is pending.
inline bool IsWhole(float number) { return static_cast<double>(number) == RoundHalfEven(number); }

// Message numbers always hold a number rounded to one decimal; this gives
// that number in tenths (1.5 -> 15), the exact key of the script.
inline int MessageTenths(float number) { return static_cast<int>(RoundHalfEven(static_cast<double>(number) * 10.0)); }

// "8.0", "11.6": the number with one decimal.
std::string MessageNumberText(float number);

}  // namespace tanvorel
