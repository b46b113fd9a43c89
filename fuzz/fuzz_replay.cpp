// Arbitrary bytes as a replay script, line by line, the invariants checked
// after every line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/invariants_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    sledloop::replay::Script runner;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const auto step = runner.feed(script.substr(0, end));
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        runner.takeOutput();
        sledloop::fuzz::checkInvariants(runner.driver());
        if (step != sledloop::replay::Script::Step::Continue) break;
    }
    return 0;
}
