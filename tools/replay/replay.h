// The headless driver: parses script lines and delivers their events to the
// game's handlers as the window would, writing the trace of what they do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "controls/handlers.h"
#include "ui/recording_ports.h"

namespace sledloop::replay {

enum class Kind : std::uint8_t {
    Load,
    Unload,
    Button,
    Click,     // arg: frame 1..4
    DblClick,  // arg: frame 1..4
    Press,     // arg: sprite 0..20
    Hover,     // arg: sprite 0..20
    Tick,      // arg: timer 1..3
    Wait,      // ms
    State,
};

struct Event {
    Kind kind = Kind::Load;
    std::int64_t arg = 0;
};

inline constexpr std::int64_t kMaxWait = 100000000;

struct Blank {};
struct Malformed {
    std::string reason;
};
using Parsed = std::variant<Blank, Event, Malformed>;

// One script line, without its newline.
Parsed parseLine(std::string_view line);

// The event as the trace echoes it ("click Frame2", "press santa(3)").
std::string canonical(const Event& event);

class Driver {
  public:
    Driver();

    enum class Delivery {
        AsTheWindow,  // drops what the window would not deliver
        Always,       // hands every event to its handler (the fuzzer's way)
    };

    // Delivers the event; returns false once the script should stop (after unload).
    bool run(const Event& event, Delivery delivery = Delivery::AsTheWindow);

    std::string takeOutput() { return ports_.takeOutput(); }
    const std::string& output() const { return ports_.output(); }
    const GameState& state() const { return state_; }
    const RecordingPorts& ports() const { return ports_; }

    // The state dump's lines.
    void dumpState();

  private:
    bool spriteReachable(int slot) const;
    void echo(const Event& event);

    GameState state_;
    RecordingPorts ports_;
    Game game_;
};

// Feeds a script line by line; counts the lines for the error message.
class Script {
  public:
    enum class Step { Continue, Stop, Malformed };

    // One line without its newline. After Malformed, error() is "line N: REASON".
    Step feed(std::string_view line);

    std::string takeOutput() { return driver_.takeOutput(); }
    const std::string& error() const { return error_; }
    const Driver& driver() const { return driver_; }

  private:
    Driver driver_;
    long long lineNo_ = 0;
    std::string error_;
};

enum class Status { Done, Malformed };

// Runs a whole script held in memory; the trace goes to `out`, and a
// malformed line's "line N: REASON" to `error`.
Status runScript(std::string_view script, std::string& out, std::string& error);

}  // namespace sledloop::replay
