// The events that Form1 delivers, one at a time, on its one thread.
#pragma once

#include "ui/ports.h"

namespace sledloop::sdl {

class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void load() = 0;
    virtual void unload() = 0;
    virtual void command1Click() = 0;
    virtual void frameClick(Frame frame) = 0;
    virtual void frameDoubleClick(Frame frame) = 0;
    virtual void santaPress(int slot) = 0;
    virtual void santaHover(int slot) = 0;
    virtual void timerTick(TimerId timer) = 0;
};

}  // namespace sledloop::sdl
