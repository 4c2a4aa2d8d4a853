#include "engine/random.h"

#include <chrono>
#include <ctime>

#include "engine/match_state.h"

namespace tanvorel {

void Random::Seed(std::int64_t seed) {
  state_ = 0;
  increment_ = (0xda3e39cb94b95bdbULL << 1u) | 1u;
  NextBits();
  state_ += static_cast<std::uint64_t>(seed);
  NextBits();
}

std::uint32_t Random::NextBits() {
  const std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + increment_;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

float Random::Next() {
  const float r = static_cast<float>(NextBits() >> 8) * (1.0f / 16777216.0f);
  if (onDraw) onDraw(r);
  return r;
}

std::int16_t CardNumberFromDraw(float r, int count) {
  return static_cast<std::int16_t>(RoundHalfEven(static_cast<double>(r) * count + 0.5));
}

double SeedFromClock(const DayClock& clock) {
  const double now = clock();
  const double day = RoundHalfEven(clock());
  return (now - day) * 24.0 * 60.0 * 60.0 * 1000.0;
}

namespace {
// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}
}  // namespace

double LocalNowAsDays() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  const long long days = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                       static_cast<unsigned>(local.tm_mday)) -
                         DaysFromCivil(1899, 12, 30);
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + static_cast<double>(ms) / 1000.0;
  return static_cast<double>(days) + seconds / 86400.0;
}

}  // namespace tanvorel
