#include "ui/sdl/input.h"

namespace sledloop::sdl {

namespace {

std::uint32_t maskOf(std::uint8_t button) {
    return button < 32 ? 1u << button : 0u;
}

// A sprite takes the mouse only while it is shown above the panel. The one
// holding the capture may have been hidden (START, leaving through the exit)
// since it was pressed, and a hidden santa must not be handed a skill.
bool takesMouse(const FormState& form, Hit target) {
    if (target.target != Target::Sprite) return false;
    const SpriteView& s = form.sprites[target.index];
    return s.visible && s.top < kFieldHeight;
}

}  // namespace

void InputRouter::showPointer(Hit hit) {
    if (cursors_) cursors_->show(pointerFor(hit));
}

Outcome InputRouter::handle(const SDL_Event& event, FormEvents& events) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            return motion(event.motion, events);
        case SDL_MOUSEBUTTONDOWN:
            return press(event.button, events);
        case SDL_MOUSEBUTTONUP:
            return release(event.button, events);
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return key(event.key, events);
        case SDL_QUIT:
            events.unload();
            return Outcome::Close;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                events.unload();
                return Outcome::Close;
            }
            // Uncovered or shown again: the frame is drawn anew from what is kept.
            return Outcome::Redraw;
        default:
            return Outcome::Nothing;
    }
}

Outcome InputRouter::motion(const SDL_MouseMotionEvent& m, FormEvents& events) {
    const Hit under = hitTest(form_, m.x, m.y);
    const Hit target = capture_ ? *capture_ : under;
    showPointer(target);
    if (takesMouse(form_, target)) events.santaHover(target.index);
    if (!command1Captured_) return Outcome::Nothing;
    const bool on = under.target == Target::Command1;
    if (on == mouseOnCommand1_) return Outcome::Nothing;
    mouseOnCommand1_ = on;
    return Outcome::Redraw;
}

Outcome InputRouter::press(const SDL_MouseButtonEvent& b, FormEvents& events) {
    const Hit hit = hitTest(form_, b.x, b.y);
    if (buttonsHeld_ == 0) capture_ = hit;
    buttonsHeld_ |= maskOf(b.button);
    const Hit target = *capture_;

    // Any button on a sprite gives it the skill.
    if (target.target == Target::Sprite) {
        if (takesMouse(form_, target)) events.santaPress(target.index);
        return Outcome::Nothing;
    }
    if (b.button != SDL_BUTTON_LEFT) return Outcome::Nothing;

    const std::optional<Hit> previous = lastLeftPress_;
    lastLeftPress_ = target;
    if (isPalette(target)) {
        const bool samePlace = previous && isPalette(*previous) && previous->index == target.index;
        // The second press of a double click is the double click; its release
        // makes no second click. A third press starts over.
        if (b.clicks % 2 == 0 && samePlace) {
            clickFrame_.reset();
            events.frameDoubleClick(static_cast<Frame>(target.index));
        } else {
            clickFrame_ = target.index;
        }
        return Outcome::Nothing;
    }
    if (target.target == Target::Command1) {
        command1Captured_ = true;
        mouseOnCommand1_ = true;
        return Outcome::Redraw;
    }
    return Outcome::Nothing;
}

Outcome InputRouter::release(const SDL_MouseButtonEvent& b, FormEvents& events) {
    buttonsHeld_ &= ~maskOf(b.button);
    if (buttonsHeld_ == 0) capture_.reset();
    if (b.button != SDL_BUTTON_LEFT) return Outcome::Nothing;

    const Hit hit = hitTest(form_, b.x, b.y);
    if (clickFrame_) {
        const int frame = *clickFrame_;
        clickFrame_.reset();
        if (isPalette(hit) && hit.index == frame) events.frameClick(static_cast<Frame>(frame));
    }
    if (!command1Captured_) return Outcome::Nothing;
    command1Captured_ = false;
    mouseOnCommand1_ = false;
    if (hit.target == Target::Command1) events.command1Click();
    return Outcome::Redraw;
}

// Command1 has the keyboard focus: Space presses it and clicks on release,
// Enter clicks at once.
Outcome InputRouter::key(const SDL_KeyboardEvent& k, FormEvents& events) {
    if (k.repeat) return Outcome::Nothing;
    const SDL_Keycode sym = k.keysym.sym;
    if (sym == SDLK_SPACE) {
        if (k.state == SDL_PRESSED) {
            spaceDown_ = true;
            return Outcome::Redraw;
        }
        if (!spaceDown_) return Outcome::Nothing;
        spaceDown_ = false;
        events.command1Click();
        return Outcome::Redraw;
    }
    if ((sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && k.state == SDL_PRESSED)
        events.command1Click();
    return Outcome::Nothing;
}

}  // namespace sledloop::sdl
