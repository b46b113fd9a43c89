// The only ways the game's rules reach the window and the speakers. The real
// window (ui/sdl) and the recording ports of the replay tool and the tests
// implement them.
#pragma once

#include <cstdint>
#include <string_view>

namespace sledloop {

// Picture holders that can be painted onto the drawing surface.
enum class Tile : std::uint8_t { WALL, INGO, out, ZERO, hashi, Picture3, Picture4 };
inline constexpr int kTileCount = 7;

// Controls whose picture a sprite can receive a copy of.
enum class SpriteSource : std::uint8_t { santa0, santa20, santaS };

enum class Label : std::uint8_t {
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    USE0,
    USE1,
    USE2,
    USE3,
};
inline constexpr int kLabelCount = 10;

// The skill palette's frames; Frame1 holds BRIDGE, Frame4 DIG.
enum class Frame : std::uint8_t { Frame1, Frame2, Frame3, Frame4 };
inline constexpr int kFrameCount = 4;

// Ticks of timers due at the same time fire in this order.
enum class TimerId : std::uint8_t { Timer1, Timer2, Timer3 };
inline constexpr int kTimerCount = 3;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kFrameIdle{0xC0, 0xC0, 0xFF};    // light blue
inline constexpr Rgb kFrameChosen{0xFF, 0xFF, 0x80};  // light yellow

constexpr Label useLabel(int skill) {
    return static_cast<Label>(static_cast<int>(Label::USE0) + skill);
}
constexpr Frame frameOf(int skill) {
    return static_cast<Frame>(skill);
}

std::string_view tileName(Tile tile);
std::string_view spriteSourceName(SpriteSource source);  // "santa(0)", "santa(20)", "santaS"
std::string_view labelName(Label label);                 // "Label1" .. "USE(3)"
std::string_view frameName(Frame frame);                 // "Frame1" .. "Frame4"
std::string_view timerName(TimerId timer);               // "Timer1" .. "Timer3"

class WindowOps {
  public:
    virtual ~WindowOps() = default;
    // Fills the whole drawing surface with black; controls are untouched.
    virtual void clear() = 0;
    // Copies the holder's 32 x 32 picture unscaled with its top-left corner at (x, y).
    virtual void paint(Tile tile, int x, int y) = 0;
    virtual void moveSprite(int slot, int left, int top) = 0;
    virtual void showSprite(int slot) = 0;
    virtual void hideSprite(int slot) = 0;
    virtual void setSpritePicture(int slot, SpriteSource source) = 0;
    virtual void setLabelText(Label label, std::string_view text) = 0;
    virtual void showBanner() = 0;
    virtual void hideBanner() = 0;
    virtual void hideTitle() = 0;
    virtual void setFrameColor(Frame frame, Rgb color) = 0;
    // 0 stops the timer; n > 0 makes it tick every n ms from now on.
    virtual void setTimerInterval(TimerId timer, int ms) = 0;
};

class SoundCalls {
  public:
    virtual ~SoundCalls() = default;
    // Starts the named wave file of the working directory and returns at once;
    // it cuts off the effect still playing. A missing file changes nothing.
    virtual void playEffect(std::string_view file) = 0;
    // `play "bgm.wav"` or `stop "bgm.wav"`; anything else changes nothing.
    virtual void sendMusicCommand(std::string_view command) = 0;
};

}  // namespace sledloop
