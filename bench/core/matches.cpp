// How fast the core plays: whole headless demo matches per second on one
// core (set-up with the catalogue read from disk included, no transcript),
// and the mean cost of one press of Continue.
//
//   bench_core_matches [matches]   (default 3000)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "table/headless_match.h"

int main(int argc, char** argv) {
  using Clock = std::chrono::steady_clock;
  const int matches = argc > 1 ? std::atoi(argv[1]) : 3000;
  const std::string catalogue = std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini";

  // Warm the file cache and the allocator.
  for (int i = 0; i < 20; ++i) tanvorel::PlayHeadlessMatch(catalogue, 1000000 + i, "The New Guy");

  long long presses = 0, deliveries = 0;
  const auto start = Clock::now();
  for (int k = 1; k <= matches; ++k) {
    const auto result = tanvorel::PlayHeadlessMatch(catalogue, k, "The New Guy");
    if (!result.summary || result.summary->hung) {
      std::fprintf(stderr, "match %d did not finish\n", k);
      return 1;
    }
    presses += result.summary->presses;
    deliveries += result.summary->deliveries;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("headless demo matches: %d in %.3f s = %.0f matches/s (one core, no transcript)\n", matches, seconds,
              matches / seconds);
  std::printf("Continue presses: %.1f per match, mean %.2f us per press (set-up included)\n",
              static_cast<double>(presses) / matches, 1e6 * seconds / static_cast<double>(presses));
  std::printf("deliveries: %.1f per match; share of a 10 ms demo tick used by one press: %.5f\n",
              static_cast<double>(deliveries) / matches, seconds / static_cast<double>(presses) / 0.010);
  return 0;
}
