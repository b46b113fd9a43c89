// The mouse pointer shown over each kind of control.
#pragma once

#include <array>
#include <cstdint>

#include "ui/sdl/hit_test.h"
#include "ui/sdl/picture_set.h"
#include "ui/sdl/sdl_handles.h"

namespace sledloop::sdl {

enum class PointerKind : std::uint8_t { Reticle, Icon, Arrow, IBeam };
inline constexpr int kPointerKindCount = 4;

PointerKind pointerFor(Hit hit);

// The icon pointer: a small square within a square, on transparency.
Picture iconPointerPicture();

class Cursors {
  public:
    explicit Cursors(const PictureSet& pictures);
    // Shows the pointer of `kind` unless it already shows.
    void show(PointerKind kind);
    PointerKind shown() const { return shown_; }

  private:
    std::array<CursorPtr, kPointerKindCount> cursors_;
    PointerKind shown_ = PointerKind::Arrow;
    bool any_ = false;
};

}  // namespace sledloop::sdl
