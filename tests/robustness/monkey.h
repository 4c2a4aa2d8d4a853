#pragma once
// A monkey at the table: drives the real window through whole matches with
// random input at random moments, and checks after every event that the
// score sheet still adds up and that no ball was booked twice.

#include <QPointer>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "table/table_window.h"

namespace tanvorel::testing {

struct MonkeyReport {
  int matches = 0;
  long long events = 0;
  long long checks = 0;
  int failures = 0;
  int matchesClosedEarly = 0;
  int matchesToResult = 0;
  std::vector<std::string> failureTexts;  // seed, what failed, and the events that led there
};

class Monkey {
 public:
  explicit Monkey(std::string catalogue) : catalogue_(std::move(catalogue)) {}
  // Plays one match with the given seed (for the monkey's own choices and
  // for the match's generator) and adds what happened to `report`.
  void PlayMatch(std::uint32_t seed, MonkeyReport& report);

 private:
  void Act();
  void ScheduleDuringPause();
  void RandomAction(int kind);
  bool Check(MonkeyReport& report, const char* when);
  void Log(std::string event);
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

  std::string catalogue_;
  std::mt19937 rng_;
  QPointer<TableWindow> table_;
  std::vector<std::string> events_;  // the match's events so far, for replay
  std::vector<std::string> failure_;
  std::array<int, 121> cellWrites_{};
  long long eventCount_ = 0;
  long long closeAt_ = -1;
  bool closeLater_ = false;
};

}  // namespace tanvorel::testing
