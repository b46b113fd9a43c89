#include "ui/ports.h"

#include <array>

namespace sledloop {

namespace {
template <typename E, std::size_t N>
std::string_view nameIn(const std::array<std::string_view, N>& names, E value) {
    const auto i = static_cast<std::size_t>(value);
    return i < N ? names[i] : std::string_view{"?"};
}
}  // namespace

std::string_view tileName(Tile tile) {
    static constexpr std::array<std::string_view, kTileCount> kNames{
        "WALL", "INGO", "out", "ZERO", "hashi", "Picture3", "Picture4"};
    return nameIn(kNames, tile);
}

std::string_view spriteSourceName(SpriteSource source) {
    static constexpr std::array<std::string_view, 3> kNames{"santa(0)", "santa(20)", "santaS"};
    return nameIn(kNames, source);
}

std::string_view labelName(Label label) {
    static constexpr std::array<std::string_view, kLabelCount> kNames{
        "Label1", "Label2", "Label3", "Label4", "Label5",
        "Label6", "USE(0)", "USE(1)", "USE(2)", "USE(3)"};
    return nameIn(kNames, label);
}

std::string_view frameName(Frame frame) {
    static constexpr std::array<std::string_view, kFrameCount> kNames{"Frame1", "Frame2", "Frame3",
                                                                      "Frame4"};
    return nameIn(kNames, frame);
}

std::string_view timerName(TimerId timer) {
    static constexpr std::array<std::string_view, kTimerCount> kNames{"Timer1", "Timer2", "Timer3"};
    return nameIn(kNames, timer);
}

}  // namespace sledloop
