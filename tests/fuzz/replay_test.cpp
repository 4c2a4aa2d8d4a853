// Every input in the fuzzers' seed corpus and every input that once crashed
// a reader, fed to the same checks the fuzzers make.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/fuzz_targets.h"

namespace tanvorel::fuzz {
namespace {

void ReplayFolder(const std::string& folder, int (*target)(const std::uint8_t*, std::size_t)) {
  const std::filesystem::path root = std::filesystem::path(TANVOREL_SOURCE_DIR) / "tests" / "fuzz";
  int replayed = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    const auto dir = root / kind / folder;
    if (!std::filesystem::exists(dir)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      std::ifstream in(entry.path(), std::ios::binary);
      const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
      SCOPED_TRACE(entry.path().string());
      target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0);
}

TEST(FuzzReplay, Catalogue) { ReplayFolder("catalogue", &Catalogue); }
TEST(FuzzReplay, Farewell) { ReplayFolder("farewell", &Farewell); }

}  // namespace
}  // namespace tanvorel::fuzz
