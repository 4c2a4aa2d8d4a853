// tanvorel-sim: plays matches of Tanvorel Card Cricket without a screen.
//
//   tanvorel-sim [--seed N] [--matches M] [--name TEXT] [--catalogue FILE]
//                [--transcript FILE|-] [--print-catalogue]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/transcript.h"
#include "table/catalogue.h"
#include "table/headless_match.h"
#include "table/side_files.h"

using namespace tanvorel;

namespace {

int Usage(const std::string& problem) {
  std::cerr << "tanvorel-sim: " << problem << "\n"
            << "usage: tanvorel-sim [--seed N] [--matches M] [--name TEXT] [--catalogue FILE]\n"
            << "                    [--transcript FILE|-] [--print-catalogue]\n";
  return 64;
}

bool ParseInteger(const std::string& text, long long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(text.c_str(), &end, 10);
  return errno == 0 && end != nullptr && *end == '\0';
}

int PrintCatalogue(const CardCatalogue& catalogue) {
  const int counts[] = {0, kBowlingCards, kBattingCards, kFieldingCards, kBattingCards};
  for (int type = 1; type <= 4; ++type)
    for (int card = 1; card <= counts[type]; ++card) {
      const CardRecord& r = catalogue[static_cast<std::size_t>(type)][static_cast<std::size_t>(card)];
      std::cout << "{\"type\":" << type << ",\"card\":" << card << ",\"Number\":" << r.Number
                << ",\"Colour\":" << JsonString(r.Colour) << ",\"Feature\":" << JsonString(r.Feature) << "}\n";
    }
  return 0;
}

const char* WinnerText(Winner w) {
  switch (w) {
    case Winner::BattedFirst: return "home win";
    case Winner::BattedSecond: return "away win";
    case Winner::Draw: return "draw";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  long long seed = 1;
  long long matches = 1;
  std::string name = "The New Guy";
  std::string catalogue = SideFile(ProgramFolder(), "CardDetails.ini").string();
  std::string transcriptPath;
  bool printCatalogue = false;

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--seed") {
      if (!value(text) || !ParseInteger(text, seed)) return Usage("--seed needs a whole number");
    } else if (arg == "--matches") {
      if (!value(text) || !ParseInteger(text, matches) || matches < 1) return Usage("--matches needs a number from 1");
    } else if (arg == "--name") {
      if (!value(name)) return Usage("--name needs a text");
    } else if (arg == "--catalogue") {
      if (!value(catalogue)) return Usage("--catalogue needs a file");
    } else if (arg == "--transcript") {
      if (!value(transcriptPath)) return Usage("--transcript needs a file or -");
    } else if (arg == "--print-catalogue") {
      printCatalogue = true;
    } else if (arg == "--help" || arg == "-h") {
      Usage("plays Tanvorel Card Cricket matches headless");
      return 0;
    } else {
      return Usage("unknown argument " + arg);
    }
  }

  if (printCatalogue) {
    const CatalogueResult loaded = LoadCatalogueFile(catalogue);
    if (!loaded.ok()) {
      std::cerr << loaded.error->Report() << "\n";
      return 2;
    }
    return PrintCatalogue(*loaded.catalogue);
  }

  std::ofstream transcriptFile;
  std::ostream* transcriptOut = nullptr;
  if (transcriptPath == "-") {
    transcriptOut = &std::cout;
  } else if (!transcriptPath.empty()) {
    transcriptFile.open(transcriptPath, std::ios::binary | std::ios::trunc);
    if (!transcriptFile) {
      std::cerr << "tanvorel-sim: cannot write the transcript to " << transcriptPath << "\n";
      return 1;
    }
    transcriptOut = &transcriptFile;
  }
  std::ios::sync_with_stdio(false);

  double sumT1 = 0, sumT2 = 0, sumDeliveries = 0;
  long long homeWins = 0, awayWins = 0, draws = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long long k = 1; k <= matches; ++k) {
    const long long matchSeed = seed + k - 1;
    std::optional<TranscriptWriter> writer;
    if (transcriptOut) {
      writer.emplace(*transcriptOut);
      writer->BeginMatch(matchSeed, name);
    }
    const HeadlessMatchResult result =
        PlayHeadlessMatch(catalogue, matchSeed, name, writer ? &*writer : nullptr);
    if (result.error) {
      std::cerr << result.error->Report() << "\n";
      return 2;
    }
    const MatchSummary& s = *result.summary;
    if (writer) writer->EndMatch(s.t1, s.w1, s.t2, s.w2);
    if (s.hung) {
      std::cerr << "tanvorel-sim: seed " << matchSeed << " did not finish after " << s.presses
                << " presses of Continue\n";
      return 3;
    }
    sumT1 += s.t1;
    sumT2 += s.t2;
    sumDeliveries += s.deliveries;
    (s.winner == Winner::BattedFirst ? homeWins : s.winner == Winner::BattedSecond ? awayWins : draws)++;
    if (!transcriptOut)
      std::printf("seed %lld: %d/%d v %d/%d, %s: %s\n", matchSeed, s.t1, s.w1, s.t2, s.w2, WinnerText(s.winner),
                  s.resultText.c_str());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!transcriptOut) {
    const double n = static_cast<double>(matches);
    std::printf(
        "matches %lld: mean totals %.1f (batting first) v %.1f (batting second); wins batting first %.1f%%, "
        "batting second %.1f%%, draws %.1f%%; mean balls %.1f; %.0f matches/s\n",
        matches, sumT1 / n, sumT2 / n, 100.0 * homeWins / n, 100.0 * awayWins / n, 100.0 * draws / n,
        sumDeliveries / n, seconds > 0 ? n / seconds : 0.0);
  }
  return 0;
}
