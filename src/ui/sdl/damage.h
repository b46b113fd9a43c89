// The parts of the window that changed since the last frame. A frame is
// composed and sent to the display only there: santas walking change a few
// small squares, not the whole window.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "ui/sdl/form_layout.h"

namespace sledloop::sdl {

constexpr bool overlaps(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

constexpr Box intersection(const Box& a, const Box& b) {
    const int x = std::max(a.x, b.x);
    const int y = std::max(a.y, b.y);
    const int right = std::min(a.x + a.w, b.x + b.w);
    const int bottom = std::min(a.y + a.h, b.y + b.h);
    return {x, y, std::max(0, right - x), std::max(0, bottom - y)};
}

constexpr Box bounds(const Box& a, const Box& b) {
    const int x = std::min(a.x, b.x);
    const int y = std::min(a.y, b.y);
    return {x, y, std::max(a.x + a.w, b.x + b.w) - x, std::max(a.y + a.h, b.y + b.h) - y};
}

class Damage {
  public:
    // Beyond this many separate boxes the whole window is drawn anew.
    static constexpr std::size_t kMaxBoxes = 16;

    // The box, within the window; overlapping boxes become one.
    void add(Box box) {
        if (all_) return;
        box = intersection(box, kClient);
        if (box.w == 0 || box.h == 0) return;
        for (std::size_t i = 0; i < count_;) {
            if (overlaps(boxes_[i], box)) {
                box = bounds(box, boxes_[i]);
                boxes_[i] = boxes_[--count_];
                i = 0;  // the grown box may now meet one already passed
            } else {
                ++i;
            }
        }
        if (count_ == kMaxBoxes) {
            all_ = true;
            return;
        }
        boxes_[count_++] = box;
    }
    void addAll() { all_ = true; }
    void clear() {
        count_ = 0;
        all_ = false;
    }

    bool empty() const { return !all_ && count_ == 0; }
    bool all() const { return all_; }
    std::span<const Box> boxes() const { return {boxes_.data(), count_}; }

  private:
    std::array<Box, kMaxBoxes> boxes_{};
    std::size_t count_ = 0;
    bool all_ = true;  // nothing has been drawn yet
};

}  // namespace sledloop::sdl
