// Counts every heap block the process asks the C library for, whichever
// library asks: SDL, the font renderer and the X client as well as our own
// code. The operator new counter sees only the C++ side.
#pragma once

#include <cstdint>

extern "C" std::uint64_t sledloop_heap_blocks(void);

namespace sledloop::bench {

inline std::uint64_t heapBlocks() {
    return sledloop_heap_blocks();
}

}  // namespace sledloop::bench
