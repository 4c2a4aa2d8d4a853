#include <cstdlib>
#include <sstream>
#include <string>

#include "table/catalogue.h"
#include "tests/fuzz/fuzz_targets.h"

namespace tanvorel::fuzz {

namespace {
void Require(bool promise) {
  if (!promise) std::abort();
}
}  // namespace

int Catalogue(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const CatalogueResult result = ReadCatalogue(in, "CardDetails.ini");
  Require(result.ok() != result.error.has_value());
  if (result.error) {
    Require(result.error->line >= 1 && result.error->line <= kCatalogueLines);
    Require(result.error->Report().find("CardDetails.ini") != std::string::npos);
    return 0;
  }
  const CardCatalogue& cat = *result.catalogue;
  for (int n = 0; n <= kMaxCardNumber; ++n) {
    Require(cat[0][static_cast<std::size_t>(n)] == CardRecord{});
    Require(cat[2][static_cast<std::size_t>(n)] == cat[4][static_cast<std::size_t>(n)]);
  }
  for (int type = 1; type <= 4; ++type) {
    Require(cat[static_cast<std::size_t>(type)][0] == CardRecord{});
    for (const CardRecord& r : cat[static_cast<std::size_t>(type)]) {
      Require(r.Number >= 0 && r.Number <= 9);
      Require(r.Colour.size() <= 10 && r.Feature.size() <= 10);
      Require(r.Colour.empty() || (r.Colour.front() != ' ' && r.Colour.back() != ' '));
      Require(r.Feature.empty() || (r.Feature.front() != ' ' && r.Feature.back() != ' '));
    }
  }
  return 0;
}

}  // namespace tanvorel::fuzz
