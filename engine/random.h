#pragma once
// The program's random numbers: uniform 32-bit floats in [0, 1).

#include <cstdint>
#include <functional>

namespace tanvorel {

// PCG32 (O'Neill), a small, fast generator with good statistics. Each value
// keeps the top 24 bits of a 32-bit output, so every float it yields is exact
// and strictly below 1.
class Random {
 public:
  void Seed(std::int64_t seed);
  float Next();

  // Told of every value drawn, for transcripts.
  std::function<void(float)> onDraw;

 private:
  std::uint32_t NextBits();
  std::uint64_t state_ = 0x853c49e6748fea9bULL;
  std::uint64_t increment_ = 0xda3e39cb94b95bdbULL;
};

// A card number from a draw: r x count + 0.5 in double precision, rounded to
// the nearest integer with halves to even. 1 to count, or 0 when r is exactly 0.
std::int16_t CardNumberFromDraw(float r, int count);

// The seed the table uses: the signed number of milliseconds from the nearest
// midnight, from a clock that gives local time as a day count with the time
// of day as its fraction. The clock is read twice, once for each term.
using DayClock = std::function<double()>;
double SeedFromClock(const DayClock& clock);
double LocalNowAsDays();   // days since 30 December 1899, local time

}  // namespace tanvorel
