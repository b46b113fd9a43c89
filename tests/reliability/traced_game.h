// The whole game in the test's process: the real window under the offscreen
// driver on a hand-moved clock, the real mixer, the game's handlers, and a
// trace of every event, window operation and sound call written the way
// sledloop-replay writes it. Replay scripts are played through real SDL
// events at the pixels a player would click.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "sdl_events.h"
#include "tools/replay/replay.h"
#include "ui/recording_ports.h"
#include "ui/sdl/audio/mixer_sound.h"
#include "ui/sdl/game_events.h"
#include "ui/sdl/game_window.h"

namespace sledloop::reliability {

using sledloop::testing::keyPress;
using sledloop::testing::mouseButton;
using sledloop::testing::mouseMotion;
using sledloop::testing::windowClose;

// Hands every window operation and sound call to the trace and to the real one.
class TeeOps final : public WindowOps {
  public:
    TeeOps(RecordingPorts& trace, WindowOps& real) : trace_(trace), real_(real) {}
    void clear() override;
    void paint(Tile tile, int x, int y) override;
    void moveSprite(int slot, int left, int top) override;
    void showSprite(int slot) override;
    void hideSprite(int slot) override;
    void setSpritePicture(int slot, SpriteSource source) override;
    void setLabelText(Label label, std::string_view text) override;
    void showBanner() override;
    void hideBanner() override;
    void hideTitle() override;
    void setFrameColor(Frame frame, Rgb color) override;
    void setTimerInterval(TimerId timer, int ms) override;

  private:
    RecordingPorts& trace_;
    WindowOps& real_;
};

class TeeSound final : public SoundCalls {
  public:
    TeeSound(RecordingPorts& trace, SoundCalls& real) : trace_(trace), real_(real) {}
    void playEffect(std::string_view file) override;
    void sendMusicCommand(std::string_view command) override;

  private:
    RecordingPorts& trace_;
    SoundCalls& real_;
};

// Echoes each event the window delivers as "> T EVENT", checks it against
// what the window promises to deliver, and hands it on.
class EchoEvents final : public sdl::FormEvents {
  public:
    EchoEvents(RecordingPorts& trace, const sdl::GameWindow& window, sdl::FormEvents& next)
        : trace_(trace), window_(window), next_(next) {}

    void load() override;
    void unload() override;
    void command1Click() override;
    void frameClick(Frame frame) override;
    void frameDoubleClick(Frame frame) override;
    void santaPress(int slot) override;
    void santaHover(int slot) override;
    void timerTick(TimerId timer) override;

    // Events delivered that the window should not have delivered, as trace lines.
    const std::vector<std::string>& misdelivered() const { return misdelivered_; }

    // How many of each kind were delivered.
    struct Counts {
        long long clicks = 0, frameClicks = 0, doubleClicks = 0, presses = 0, hovers = 0, ticks = 0,
                  unloads = 0;
        Counts operator-(const Counts& o) const {
            return {clicks - o.clicks,   frameClicks - o.frameClicks, doubleClicks - o.doubleClicks,
                    presses - o.presses, hovers - o.hovers,           ticks - o.ticks,
                    unloads - o.unloads};
        }
    };
    const Counts& counts() const { return counts_; }

  private:
    void echo(const replay::Event& event);
    void checkSprite(const replay::Event& event, int slot);

    RecordingPorts& trace_;
    const sdl::GameWindow& window_;
    sdl::FormEvents& next_;
    std::vector<std::string> misdelivered_;
    Counts counts_;
};

class TracedGame {
  public:
    // Opens the window and the mixer (whose complaint, if any, goes to
    // `soundLog`); nothing, with the reason in `error`, when the window cannot open.
    static std::unique_ptr<TracedGame> open(std::string& error, std::ostream& soundLog);
    ~TracedGame();
    TracedGame(const TracedGame&) = delete;
    TracedGame& operator=(const TracedGame&) = delete;

    sdl::GameWindow& window() { return *window_; }
    const sdl::GameWindow& window() const { return *window_; }
    sdl::ManualClock& clock() { return clock_; }
    const GameState& state() const { return events_->state(); }
    const MixerSound& sound() const { return *sound_; }
    const EchoEvents& echo() const { return *echo_; }

    std::string takeTrace() { return trace_.takeOutput(); }

    // What to do with a press or hover on a sprite that others cover all
    // over: the replay tool delivers it, a player cannot.
    enum class Covered : std::uint8_t { Fail, HandOver };

    // Plays one script event through real SDL events, as a player would.
    // False, with the reason in `why`, for an event the window has no way to
    // deliver as the replay tool does.
    bool play(const replay::Event& event, std::string& why, Covered covered = Covered::Fail);
    // Plays every event; stops at the first that cannot be played.
    bool play(const std::vector<replay::Event>& events, std::string& why,
              Covered covered = Covered::Fail);

    // Pushes one SDL event; a test failure when SDL will not take it.
    static bool push(SDL_Event event);
    static void pushButton(bool down, int x, int y, std::uint8_t button = SDL_BUTTON_LEFT);
    static void pushKey(SDL_Keycode key, bool down);
    void click(int x, int y);
    void clickStart();
    void pushClose(bool quit);
    // Moves the clock on, after delivering what is queued, and delivers what falls due.
    void wait(std::int64_t ms);

    // A client pixel where sprite `slot` is the front-most control, if any.
    bool spritePixel(int slot, int& x, int& y) const;

  private:
    TracedGame() = default;

    sdl::ManualClock clock_;
    RecordingPorts trace_;
    std::unique_ptr<sdl::GameWindow> window_;
    std::unique_ptr<MixerSound> sound_;
    std::unique_ptr<TeeOps> ops_;
    std::unique_ptr<TeeSound> teeSound_;
    std::unique_ptr<sdl::GameEvents> events_;
    std::unique_ptr<EchoEvents> echo_;
};

// The events of a replay script file, `state` lines left out (the window has
// no dump); throws std::runtime_error when the file is unreadable or malformed.
std::vector<replay::Event> readScript(const std::filesystem::path& file);

// What sledloop-replay prints for the events.
std::string replayTrace(const std::vector<replay::Event>& events);

}  // namespace sledloop::reliability
