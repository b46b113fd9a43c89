// sledloop-wavegen DIR: writes the game's six wave files into DIR.
#include <filesystem>
#include <iostream>

#include "wavegen/sounds.h"
#include "wavegen/synth.h"
#include "wavegen/wave_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sledloop-wavegen DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    if (!std::filesystem::is_directory(dir)) {
        std::cerr << "sledloop-wavegen: " << dir.string() << " is not a folder\n";
        return 1;
    }
    for (const auto& sound : sledloop::wave::makeGameSounds()) {
        const auto bytes =
            sledloop::wave::encodeWave(sound.samples, sledloop::wave::kSampleRate, 1);
        const auto path = dir / sound.name;
        if (!sledloop::wave::writeFileAtomically(path, bytes)) {
            std::cerr << "sledloop-wavegen: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
