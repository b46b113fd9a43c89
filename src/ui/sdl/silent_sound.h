// Sound calls that make no sound.
#pragma once

#include "ui/ports.h"

namespace sledloop::sdl {

class SilentSound final : public SoundCalls {
  public:
    void playEffect(std::string_view) override {}
    void sendMusicCommand(std::string_view) override {}
};

}  // namespace sledloop::sdl
