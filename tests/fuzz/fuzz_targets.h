#pragma once
// The entry points the fuzzers drive. Each reads arbitrary bytes as one side
// file and checks what must hold of whatever the reader makes of them; a
// broken promise aborts. The same functions replay the corpus and every
// input that once crashed, as ordinary tests.

#include <cstddef>
#include <cstdint>

namespace tanvorel::fuzz {

int Catalogue(const std::uint8_t* data, std::size_t size);
int Farewell(const std::uint8_t* data, std::size_t size);

}  // namespace tanvorel::fuzz
