#include "traced_game.h"

#include "virtual_time.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "ui/sdl/form_layout.h"
#include "ui/sdl/hit_test.h"

namespace sledloop::reliability {

void TeeOps::clear() {
    trace_.clear();
    real_.clear();
}
void TeeOps::paint(Tile tile, int x, int y) {
    trace_.paint(tile, x, y);
    real_.paint(tile, x, y);
}
void TeeOps::moveSprite(int slot, int left, int top) {
    trace_.moveSprite(slot, left, top);
    real_.moveSprite(slot, left, top);
}
void TeeOps::showSprite(int slot) {
    trace_.showSprite(slot);
    real_.showSprite(slot);
}
void TeeOps::hideSprite(int slot) {
    trace_.hideSprite(slot);
    real_.hideSprite(slot);
}
void TeeOps::setSpritePicture(int slot, SpriteSource source) {
    trace_.setSpritePicture(slot, source);
    real_.setSpritePicture(slot, source);
}
void TeeOps::setLabelText(Label label, std::string_view text) {
    trace_.setLabelText(label, text);
    real_.setLabelText(label, text);
}
void TeeOps::showBanner() {
    trace_.showBanner();
    real_.showBanner();
}
void TeeOps::hideBanner() {
    trace_.hideBanner();
    real_.hideBanner();
}
void TeeOps::hideTitle() {
    trace_.hideTitle();
    real_.hideTitle();
}
void TeeOps::setFrameColor(Frame frame, Rgb color) {
    trace_.setFrameColor(frame, color);
    real_.setFrameColor(frame, color);
}
void TeeOps::setTimerInterval(TimerId timer, int ms) {
    trace_.setTimerInterval(timer, ms);
    real_.setTimerInterval(timer, ms);
}

void TeeSound::playEffect(std::string_view file) {
    trace_.playEffect(file);
    real_.playEffect(file);
}
void TeeSound::sendMusicCommand(std::string_view command) {
    trace_.sendMusicCommand(command);
    real_.sendMusicCommand(command);
}

void EchoEvents::echo(const replay::Event& event) {
    trace_.writeLine("> " + std::to_string(window_.timers().now()) + " " +
                     replay::canonical(event));
}

// The window hands a sprite its mouse only while it is shown above the panel.
void EchoEvents::checkSprite(const replay::Event& event, int slot) {
    const bool shown = inRoster(slot) && window_.form().sprites[slot].visible &&
                       window_.form().sprites[slot].top < kFieldHeight;
    if (!shown) misdelivered_.push_back(replay::canonical(event));
}

void EchoEvents::load() {
    echo({replay::Kind::Load, 0});
    next_.load();
}
void EchoEvents::unload() {
    ++counts_.unloads;
    echo({replay::Kind::Unload, 0});
    next_.unload();
}
void EchoEvents::command1Click() {
    ++counts_.clicks;
    echo({replay::Kind::Button, 0});
    next_.command1Click();
}
void EchoEvents::frameClick(Frame frame) {
    ++counts_.frameClicks;
    echo({replay::Kind::Click, static_cast<int>(frame) + 1});
    next_.frameClick(frame);
}
void EchoEvents::frameDoubleClick(Frame frame) {
    ++counts_.doubleClicks;
    echo({replay::Kind::DblClick, static_cast<int>(frame) + 1});
    next_.frameDoubleClick(frame);
}
void EchoEvents::santaPress(int slot) {
    ++counts_.presses;
    const replay::Event event{replay::Kind::Press, slot};
    checkSprite(event, slot);
    echo(event);
    next_.santaPress(slot);
}
void EchoEvents::santaHover(int slot) {
    ++counts_.hovers;
    const replay::Event event{replay::Kind::Hover, slot};
    checkSprite(event, slot);
    echo(event);
    next_.santaHover(slot);
}
void EchoEvents::timerTick(TimerId timer) {
    ++counts_.ticks;
    const replay::Event event{replay::Kind::Tick, static_cast<int>(timer) + 1};
    if (!window_.timers().running(timer)) misdelivered_.push_back(replay::canonical(event));
    echo(event);
    next_.timerTick(timer);
}

std::unique_ptr<TracedGame> TracedGame::open(std::string& error, std::ostream& soundLog) {
    std::unique_ptr<TracedGame> game{new TracedGame()};
    game->window_ = sdl::GameWindow::open(error, &game->clock_);
    if (!game->window_) return nullptr;
    // In the game's order: the window starts SDL, the mixer joins it.
    game->sound_ = MixerSound::open(soundLog);
    game->ops_ = std::make_unique<TeeOps>(game->trace_, game->window_->ops());
    game->teeSound_ = std::make_unique<TeeSound>(game->trace_, *game->sound_);
    game->events_ = std::make_unique<sdl::GameEvents>(*game->ops_, *game->teeSound_);
    game->echo_ = std::make_unique<EchoEvents>(game->trace_, *game->window_, *game->events_);
    game->window_->connect(*game->echo_);
    game->window_->pump();  // whatever SDL itself queued at the opening
    return game;
}

TracedGame::~TracedGame() {
    // The mixer goes before the window ends SDL.
    events_.reset();
    sound_.reset();
    window_.reset();
}

bool TracedGame::push(SDL_Event event) {
    if (SDL_PushEvent(&event) == 1) return true;
    ADD_FAILURE() << "SDL did not take event " << event.type << ": " << SDL_GetError();
    return false;
}

void TracedGame::pushButton(bool down, int x, int y, std::uint8_t button) {
    push(mouseButton(down, x, y, button));
}

void TracedGame::pushKey(SDL_Keycode key, bool down) {
    push(keyPress(key, down));
}

void TracedGame::click(int x, int y) {
    pushButton(true, x, y);
    pushButton(false, x, y);
}

void TracedGame::clickStart() {
    click(sdl::kCommand1.x + sdl::kCommand1.w / 2, sdl::kCommand1.y + sdl::kCommand1.h / 2);
}

void TracedGame::pushClose(bool quit) {
    SDL_Event e{};
    if (quit) {
        e.type = SDL_QUIT;
    } else {
        e = windowClose(window_->sdlWindow());
    }
    push(e);
}

void TracedGame::wait(std::int64_t ms) {
    sledloop::testing::runFor(*window_, clock_, ms);
}

bool TracedGame::spritePixel(int slot, int& x, int& y) const {
    const sdl::SpriteView& s = window_->form().sprites[slot];
    // From the middle outwards: the middle is where a player aims.
    for (int ring = 0; ring < sdl::kTileSize / 2; ++ring) {
        for (int dy = -ring; dy <= ring; ++dy) {
            for (int dx = -ring; dx <= ring; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
                const int px = s.left + sdl::kTileSize / 2 + dx;
                const int py = s.top + sdl::kTileSize / 2 + dy;
                if (sdl::hitTest(window_->form(), px, py) == sdl::Hit{sdl::Target::Sprite, slot}) {
                    x = px;
                    y = py;
                    return true;
                }
            }
        }
    }
    return false;
}

bool TracedGame::play(const replay::Event& event, std::string& why, Covered covered) {
    const auto frameCentre = [](std::int64_t frame) {
        const sdl::Box& box = sdl::kPalette[static_cast<std::size_t>(frame - 1)].box;
        return std::pair{box.x + box.w / 2, box.y + box.h / 2};
    };
    switch (event.kind) {
        case replay::Kind::Load:
            window_->load();
            break;
        case replay::Kind::Unload:
            pushClose(true);
            break;
        case replay::Kind::Button:
            clickStart();
            break;
        case replay::Kind::Click: {
            const auto [x, y] = frameCentre(event.arg);
            click(x, y);
            break;
        }
        case replay::Kind::Press:
        case replay::Kind::Hover: {
            const int slot = static_cast<int>(event.arg);
            const sdl::SpriteView& s = window_->form().sprites[slot];
            // Where the replay tool drops the event, the window gets no chance to deliver it.
            if (!s.visible || s.top >= kFieldHeight) break;
            int x = 0, y = 0;
            if (!spritePixel(slot, x, y)) {
                if (covered == Covered::Fail) {
                    why = replay::canonical(event) + ": the sprite is covered everywhere";
                    return false;
                }
                if (event.kind == replay::Kind::Press)
                    echo_->santaPress(slot);
                else
                    echo_->santaHover(slot);
                break;
            }
            if (event.kind == replay::Kind::Press) {
                click(x, y);
            } else {
                push(mouseMotion(x, y));
            }
            break;
        }
        case replay::Kind::Wait:
            wait(event.arg);
            return true;
        case replay::Kind::State:
            return true;
        case replay::Kind::DblClick:
        case replay::Kind::Tick:
            // A real double click is a click and then a double click, and a
            // tick cannot be made to happen early.
            why = replay::canonical(event) + ": no real input makes just this event";
            return false;
    }
    window_->pump();
    return true;
}

bool TracedGame::play(const std::vector<replay::Event>& events, std::string& why, Covered covered) {
    for (const replay::Event& event : events) {
        if (!play(event, why, covered)) return false;
    }
    return true;
}

std::vector<replay::Event> readScript(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<replay::Event> events;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const replay::Parsed parsed = replay::parseLine(line);
        if (const auto* bad = std::get_if<replay::Malformed>(&parsed)) {
            throw std::runtime_error(file.string() + ":" + std::to_string(number) + ": " +
                                     bad->reason);
        }
        if (const auto* event = std::get_if<replay::Event>(&parsed)) {
            if (event->kind != replay::Kind::State) events.push_back(*event);
        }
    }
    return events;
}

std::string replayTrace(const std::vector<replay::Event>& events) {
    replay::Driver driver;
    for (const replay::Event& event : events) {
        if (!driver.run(event)) break;
    }
    return driver.takeOutput();
}

}  // namespace sledloop::reliability
