// libFuzzer's entry: which reader it drives is chosen when it is built.
#include "tests/fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return TANVOREL_FUZZ_TARGET(data, size);
}
