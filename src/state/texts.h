// Texts the game shows in its labels and the names it hands to the sound
// calls. Numbers are formatted into a small buffer: no allocation per tick.
#pragma once

#include <charconv>
#include <string_view>

namespace sledloop {

inline constexpr std::string_view kMusicPlay = "play \"bgm.wav\"";
inline constexpr std::string_view kMusicStop = "stop \"bgm.wav\"";
inline constexpr std::string_view kWhistle = "whistle.wav";
inline constexpr std::string_view kGet = "get.wav";
inline constexpr std::string_view kSaru = "saru.wav";
inline constexpr std::string_view kClear = "clear.wav";
inline constexpr std::string_view kGameOver = "gameover.wav";

// Plain decimal digits, with a leading '-' when negative.
class NumberText {
  public:
    explicit NumberText(long long value) {
        len_ = static_cast<std::size_t>(std::to_chars(buf_, buf_ + sizeof buf_, value).ptr - buf_);
    }
    std::string_view view() const { return {buf_, len_}; }
    operator std::string_view() const { return view(); }

  private:
    char buf_[24];
    std::size_t len_;
};

// The stage banner: a word, then the number written with one leading blank,
// so "Stage " and 2 read "Stage  2".
class BannerText {
  public:
    BannerText(std::string_view word, long long stage) {
        len_ = word.copy(buf_, sizeof buf_ - 24);
        buf_[len_++] = ' ';
        NumberText n(stage);
        len_ += n.view().copy(buf_ + len_, sizeof buf_ - len_);
    }
    std::string_view view() const { return {buf_, len_}; }
    operator std::string_view() const { return view(); }

  private:
    char buf_[40];
    std::size_t len_;
};

}  // namespace sledloop
