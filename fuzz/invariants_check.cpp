#include "fuzz/invariants_check.h"

#include <cstdio>
#include <cstdlib>

#include "state/invariants.h"
#include "state/texts.h"

namespace sledloop::fuzz {

void checkInvariants(const replay::Driver& driver) {
    std::string broken = brokenInvariant(driver.state());
    for (int k = 0; k < kSkillCount && broken.empty(); ++k) {
        const NumberText shown(driver.state().SkillStock[k]);
        if (driver.ports().labelText(useLabel(k)) != shown.view()) {
            broken = "USE(" + std::to_string(k) + ") shows \"" +
                     std::string(driver.ports().labelText(useLabel(k))) + "\", stock is " +
                     std::string(shown.view());
        }
    }
    if (broken.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
    std::abort();
}

}  // namespace sledloop::fuzz
