// Turns SDL's mouse, keyboard and window events into Form1's events, the way
// the original platform delivered them: only to the front-most control, with
// the mouse captured by the control it was pressed on.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/sdl/cursors.h"
#include "ui/sdl/form_events.h"
#include "ui/sdl/form_state.h"
#include "ui/sdl/hit_test.h"
#include "ui/sdl/sdl_handles.h"

namespace sledloop::sdl {

enum class Outcome : std::uint8_t { Nothing, Redraw, Close };

class InputRouter {
  public:
    // `cursors` may be null where no pointer is shown.
    InputRouter(const FormState& form, Cursors* cursors) : form_(form), cursors_(cursors) {}

    Outcome handle(const SDL_Event& event, FormEvents& events);

    // Command1 is drawn pressed while the mouse or Space holds it down.
    bool command1Down() const { return mouseOnCommand1_ || spaceDown_; }

  private:
    Outcome motion(const SDL_MouseMotionEvent& m, FormEvents& events);
    Outcome press(const SDL_MouseButtonEvent& b, FormEvents& events);
    Outcome release(const SDL_MouseButtonEvent& b, FormEvents& events);
    Outcome key(const SDL_KeyboardEvent& k, FormEvents& events);
    void showPointer(Hit hit);

    const FormState& form_;
    Cursors* cursors_;
    std::uint32_t buttonsHeld_ = 0;
    std::optional<Hit> capture_;  // the control the held buttons were pressed on
    std::optional<Hit> lastLeftPress_;
    std::optional<int> clickFrame_;  // a palette frame waiting for its release
    bool command1Captured_ = false;  // pressed with the left button, not yet released
    bool mouseOnCommand1_ = false;
    bool spaceDown_ = false;
};

}  // namespace sledloop::sdl
