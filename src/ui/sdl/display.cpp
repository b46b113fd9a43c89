#include "ui/sdl/display.h"

#include <SDL_syswm.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xproto.h>
#endif

#include <cstdlib>
#include <string_view>

namespace sledloop::sdl {

namespace {

std::string_view env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (SDL_tolower(static_cast<unsigned char>(a[i])) !=
            SDL_tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// SDL_VIDEODRIVER may list several drivers, separated by commas.
bool named(std::string_view list, std::string_view driver) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        if (sameName(list.substr(0, comma), driver)) return true;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return false;
}

#if defined(SDL_VIDEO_DRIVER_X11)
XErrorHandler defaultXErrorHandler = nullptr;

// SDL 2.26 wakes its own event wait by sending an event to the window over a
// second X connection. When that wakeup comes with the close request, the
// window may be gone before the server reads it, and the BadWindow would end
// the game with status 1 as it exits. That one error is harmless; every
// other one goes on to Xlib's handler.
int tolerateLateWakeup(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return defaultXErrorHandler ? defaultXErrorHandler(display, error) : 0;
}
#endif

bool isHeadless(std::string_view driver) {
    return sameName(driver, "offscreen") || sameName(driver, "dummy");
}

}  // namespace

bool startVideo(std::string& error) {
    const std::string_view requested = env("SDL_VIDEODRIVER");
    if (requested.empty()) {
        // Only the drivers whose display is announced: SDL's own list ends
        // with the headless ones, and a Wayland probe without a session
        // prints noise of its own.
        std::string drivers;
        if (!env("DISPLAY").empty()) drivers = "x11";
        if (!env("WAYLAND_DISPLAY").empty()) drivers += drivers.empty() ? "wayland" : ",wayland";
        if (drivers.empty()) {
            error = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
            return false;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    }
#if defined(SDL_VIDEO_DRIVER_X11)
    // Before SDL's own handler, which hands errors on to the one it replaced.
    if (!defaultXErrorHandler) defaultXErrorHandler = XSetErrorHandler(tolerateLateWakeup);
#endif
    const int failed = SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    if (failed != 0) {
        error = SDL_GetError();
        if (!env("DISPLAY").empty()) error += " (DISPLAY=" + std::string(env("DISPLAY")) + ")";
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || (isHeadless(driver) && !named(requested, driver))) {
        error = std::string("no display (only SDL's ") + (driver ? driver : "unknown") +
                " video driver answered)";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}

void restrictWindowButtons(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const Atom hintsAtom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    if (hintsAtom == None) return;
    // flags, functions, decorations, input mode, status
    enum : unsigned long {
        FunctionsGiven = 1,
        DecorationsGiven = 2,
        FuncMove = 4,
        FuncClose = 32,
        DecorBorder = 2,
        DecorTitle = 8,
        DecorMenu = 16,
    };
    unsigned long hints[5] = {FunctionsGiven | DecorationsGiven, FuncMove | FuncClose,
                              DecorBorder | DecorTitle | DecorMenu, 0, 0};
    XChangeProperty(display, info.info.x11.window, hintsAtom, hintsAtom, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(hints), 5);
    XFlush(display);
#else
    (void)window;
#endif
}

}  // namespace sledloop::sdl
