#include <cstdlib>
#include <sstream>
#include <string>

#include "screens/farewell_text.h"
#include "tests/fuzz/fuzz_targets.h"

namespace tanvorel::fuzz {

namespace {
void Require(bool promise) {
  if (!promise) std::abort();
}
}  // namespace

int Farewell(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const FarewellText text = ReadFarewell(in);
  const std::string& m = text.message;
  // Bounded, and made of carriage return + line pieces, none of them "End".
  Require(m.size() <= kMaxFarewellBytes);
  Require(m.empty() || m.front() == '\r');
  Require(m.find('\n') == std::string::npos);
  if (!text.truncated) {
    std::size_t from = 1;
    while (from <= m.size() && !m.empty()) {
      const std::size_t to = m.find('\r', from);
      const std::string line = m.substr(from, to == std::string::npos ? std::string::npos : to - from);
      Require(!IsEndLine(line));
      if (to == std::string::npos) break;
      from = to + 1;
    }
  }
  Require(!text.foundEnd || std::string(reinterpret_cast<const char*>(data), size).find("End") != std::string::npos);
  return 0;
}

}  // namespace tanvorel::fuzz
