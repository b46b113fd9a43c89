// Arbitrary event sequences, two bytes an event: what happens and to whom.
// Every event reaches its handler: presses and hovers on any slot, shown or
// not, ticks of stopped timers; the rules must hold even for what the window
// would never deliver.
#include <cstddef>
#include <cstdint>

#include "fuzz/invariants_check.h"

namespace {

using sledloop::replay::Event;
using sledloop::replay::Kind;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sledloop::replay::Driver driver;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t what = data[i], arg = data[i + 1];
        Event event;
        switch (what % 10) {
            case 0:
                event = {Kind::Load, 0};
                break;
            case 1:
                event = {Kind::Button, 0};
                break;
            case 2:
                event = {Kind::Click, 1 + arg % 4};
                break;
            case 3:
                event = {Kind::DblClick, 1 + arg % 4};
                break;
            case 4:
                event = {Kind::Press, arg % 21};
                break;
            case 5:
                event = {Kind::Hover, arg % 21};
                break;
            case 6:
                event = {Kind::Tick, 1 + arg % 3};
                break;
            case 7:
                event = {Kind::Wait, static_cast<std::int64_t>(arg) * (what >= 128 ? 997 : 37)};
                break;
            case 8:
                event = {Kind::State, 0};
                break;
            default:
                event = {Kind::Press, arg % 21};
                break;
        }
        if (!driver.run(event, sledloop::replay::Driver::Delivery::Always)) break;
        driver.takeOutput();
        sledloop::fuzz::checkInvariants(driver);
    }
    return 0;
}
