// Looking at and closing a window of an X server, as a user and a window
// manager would.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sledloop::e2e {

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // opaque, row by row
    std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

// What the window says of itself to the window manager.
struct WindowFacts {
    int x = 0, y = 0;  // on the screen
    int screenWidth = 0, screenHeight = 0;
    std::optional<unsigned long> motifFunctions;  // the _MOTIF_WM_HINTS functions, if given
    int iconWidth = 0, iconHeight = 0;            // the first image of _NET_WM_ICON
};

class X11Connection {
  public:
    static std::unique_ptr<X11Connection> open(const std::string& display);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // The window's client area as it is on the screen now.
    std::optional<Capture> capture(unsigned long window);
    std::optional<WindowFacts> facts(unsigned long window);
    // What the close box does: asks the window to close (WM_DELETE_WINDOW).
    bool requestClose(unsigned long window);

  private:
    explicit X11Connection(void* display) : display_(display) {}
    void* display_;
};

// Writes the capture as a PNG file.
bool writePng(const Capture& capture, const std::string& path);

}  // namespace sledloop::e2e
