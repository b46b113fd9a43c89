// The game's two sound calls on SDL2_mixer. Effects and music each have a
// mixer channel of their own, so they never cut each other; SDL's audio thread
// does the mixing and no call waits for it.
//
// The window opens it once and lets it go before SDL_Quit():
//
//     auto sound = sledloop::MixerSound::open();  // silent when there is no device
//     ...pass *sound wherever a SoundCalls& is wanted...
//     sound.reset();
#pragma once

#include <cstdint>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/ports.h"

struct Mix_Chunk;

namespace sledloop {

class MixerSound final : public SoundCalls {
  public:
    // Opens SDL's audio subsystem and the mixer. When that fails (no device, or
    // another MixerSound holds the mixer) the object is a silent sink and `log`
    // gets one line that says why.
    static std::unique_ptr<MixerSound> open(std::ostream& log = std::cerr);

    ~MixerSound() override;
    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;

    // False for the silent sink.
    bool audible() const { return audible_; }

    void playEffect(std::string_view file) override;
    void sendMusicCommand(std::string_view command) override;

  private:
    // Tells a file's versions apart: a player may swap a sound while the game runs.
    struct FileStamp {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedNs = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    struct CachedWave {
        FileStamp stamp;
        std::shared_ptr<Mix_Chunk> chunk;  // null: this version does not play
    };

    explicit MixerSound(bool audible) : audible_(audible) {}
    std::shared_ptr<Mix_Chunk> wave(const std::string& file);

    bool audible_;
    std::map<std::string, CachedWave, std::less<>> waves_;
    // Kept alive for as long as they may sound, whatever happens to the cache.
    std::shared_ptr<Mix_Chunk> effect_;
    std::shared_ptr<Mix_Chunk> music_;
    std::string musicFile_;
};

}  // namespace sledloop
