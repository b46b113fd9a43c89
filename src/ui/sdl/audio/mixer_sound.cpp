#include "ui/sdl/audio/mixer_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <optional>

#include "ui/sdl/audio/music_command.h"

namespace sledloop {

namespace {

constexpr int kEffectChannel = 0;
constexpr int kMusicChannel = 1;
constexpr int kRate = 44100;
constexpr int kBufferFrames = 1024;  // 23 ms: short enough for an effect to sound at its event
constexpr std::size_t kMaxCachedWaves = 16;

// SDL_mixer is one per process; a second MixerSound would close it under the first.
bool mixerTaken = false;

// Without a sound card, ALSA's library prints a screenful of its own before
// SDL gives up; our one line says the same. Quiet only while the device opens,
// and only where SDL has loaded ALSA.
class QuietAlsa {
  public:
    QuietAlsa() : library_(dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        if (library_ == nullptr) return;
        setHandler_ = reinterpret_cast<SetHandler>(dlsym(library_, "snd_lib_error_set_handler"));
        if (setHandler_ != nullptr) setHandler_(&ignore);
    }
    ~QuietAlsa() {
        if (setHandler_ != nullptr) setHandler_(nullptr);  // back to ALSA's own
        if (library_ != nullptr) dlclose(library_);
    }
    QuietAlsa(const QuietAlsa&) = delete;
    QuietAlsa& operator=(const QuietAlsa&) = delete;

  private:
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    static void ignore(const char*, int, const char*, int, const char*, ...) {}

    void* library_;
    SetHandler setHandler_ = nullptr;
};

void freeChunk(Mix_Chunk* chunk) {
    Mix_FreeChunk(chunk);
}

// Only RIFF/WAVE reaches the mixer's loader, which would otherwise try its
// other decoders (AIFF, VOC, then the music ones) on whatever the file holds.
std::shared_ptr<Mix_Chunk> loadWave(const std::string& file) {
    SDL_RWops* source = SDL_RWFromFile(file.c_str(), "rb");
    if (source == nullptr) return nullptr;
    std::array<char, 12> header{};
    const bool riffWave = SDL_RWread(source, header.data(), 1, header.size()) == header.size() &&
                          std::memcmp(header.data(), "RIFF", 4) == 0 &&
                          std::memcmp(header.data() + 8, "WAVE", 4) == 0 &&
                          SDL_RWseek(source, 0, RW_SEEK_SET) == 0;
    if (!riffWave) {
        SDL_RWclose(source);
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (chunk == nullptr) return nullptr;
    return {chunk, freeChunk};
}

}  // namespace

std::unique_ptr<MixerSound> MixerSound::open(std::ostream& log) {
    const auto silent = [&log](std::string_view reason) {
        log << "sledloop: no sound: " << (reason.empty() ? "unknown reason" : reason) << '\n';
        return std::unique_ptr<MixerSound>(new MixerSound(false));
    };
    if (mixerTaken) return silent("the mixer is already in use");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return silent(SDL_GetError());
    const bool opened = [] {
        const QuietAlsa quiet;
        return Mix_OpenAudioDevice(
                   kRate, AUDIO_S16SYS, 2, kBufferFrames, nullptr,
                   SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) == 0;
    }();
    if (!opened) {
        const std::string reason = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return silent(reason);
    }
    Mix_AllocateChannels(2);
    // A wave whose data ends early is refused rather than played in part, like
    // any other broken file.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    mixerTaken = true;
    return std::unique_ptr<MixerSound>(new MixerSound(true));
}

MixerSound::~MixerSound() {
    if (!audible_) return;
    Mix_HaltChannel(-1);
    effect_.reset();
    music_.reset();
    waves_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerTaken = false;
}

std::shared_ptr<Mix_Chunk> MixerSound::wave(const std::string& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    const FileStamp stamp{
        .device = info.st_dev,
        .inode = info.st_ino,
        .size = info.st_size,
        .modifiedNs = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec,
    };
    auto found = waves_.find(file);
    if (found != waves_.end() && found->second.stamp == stamp) return found->second.chunk;
    if (found == waves_.end()) {
        // The game has six names; anything beyond is a caller gone astray.
        if (waves_.size() >= kMaxCachedWaves) waves_.clear();
        found = waves_.emplace(file, CachedWave{}).first;
    }
    // A failed load is remembered too, so a broken file is not read again on every call.
    found->second = {stamp, loadWave(file)};
    return found->second.chunk;
}

void MixerSound::playEffect(std::string_view file) {
    if (!audible_ || !isBareFileName(file)) return;
    auto chunk = wave(std::string(file));
    // Playing on the busy channel cuts the effect that is still sounding.
    if (chunk && Mix_PlayChannel(kEffectChannel, chunk.get(), 0) == kEffectChannel) {
        effect_ = std::move(chunk);
    }
}

void MixerSound::sendMusicCommand(std::string_view command) {
    if (!audible_) return;
    const auto parsed = parseMusicCommand(command);
    if (!parsed) return;
    if (parsed->verb == MusicVerb::stop) {
        if (music_ && parsed->file == musicFile_) Mix_HaltChannel(kMusicChannel);
        return;
    }
    // Opened once: while it stays open, the music is not read again.
    if (!music_ || parsed->file != musicFile_) {
        auto chunk = wave(std::string(parsed->file));
        if (!chunk) return;
        Mix_HaltChannel(kMusicChannel);
        music_ = std::move(chunk);
        musicFile_ = parsed->file;
    }
    if (Mix_Playing(kMusicChannel) == 0) Mix_PlayChannel(kMusicChannel, music_.get(), 0);
}

}  // namespace sledloop
