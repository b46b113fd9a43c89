// Counts heap allocations made by this process, so a benchmark can show
// that a tick or a hover allocates nothing.
#pragma once

#include <cstdint>

namespace sledloop::bench {

std::uint64_t allocations();

// Allocations made while `f` runs.
template <typename F>
std::uint64_t allocationsDuring(F&& f) {
    const std::uint64_t before = allocations();
    f();
    return allocations() - before;
}

}  // namespace sledloop::bench
