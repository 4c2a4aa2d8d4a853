// The monkey, in CI: TANVOREL_MONKEY_MATCHES matches (100 unless told),
// seeds from TANVOREL_MONKEY_SEED (1 unless told). A failure prints its seed
// and the events that led to it; run that one seed again to replay it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "tests/robustness/monkey.h"

namespace tanvorel::testing {
namespace {

int EnvInt(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : fallback;
}

TEST(Monkey, WholeMatchesWithRandomInput) {
  const int matches = EnvInt("TANVOREL_MONKEY_MATCHES", 100);
  const int first = EnvInt("TANVOREL_MONKEY_SEED", 1);
  Monkey monkey(std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini");
  MonkeyReport report;
  for (int k = 0; k < matches; ++k) {
    const auto start = std::chrono::steady_clock::now();
    monkey.PlayMatch(static_cast<std::uint32_t>(first + k), report);
    if (std::getenv("TANVOREL_MONKEY_VERBOSE"))
      std::printf("seed %d: %.2f s\n", first + k,
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::printf("monkey: matches played %d (to their result %d, closed early %d), events injected %lld, "
              "invariants checked %lld, failures %d\n",
              report.matches, report.matchesToResult, report.matchesClosedEarly, report.events, report.checks,
              report.failures);
  for (const std::string& text : report.failureTexts) ADD_FAILURE() << text;
  EXPECT_GT(report.matchesToResult, 0);
}

}  // namespace
}  // namespace tanvorel::testing
