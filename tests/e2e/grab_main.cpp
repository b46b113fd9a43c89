// sledloop-grab DISPLAY WINDOW OUT.png: saves a window's client area as PNG.
#include <cstdio>
#include <cstdlib>

#include "x11_capture.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: sledloop-grab DISPLAY WINDOW OUT.png\n");
        return 2;
    }
    auto x11 = sledloop::e2e::X11Connection::open(argv[1]);
    if (!x11) {
        std::fprintf(stderr, "sledloop-grab: cannot open display %s\n", argv[1]);
        return 1;
    }
    const auto capture = x11->capture(std::strtoul(argv[2], nullptr, 0));
    if (!capture || !sledloop::e2e::writePng(*capture, argv[3])) {
        std::fprintf(stderr, "sledloop-grab: cannot save window %s as %s\n", argv[2], argv[3]);
        return 1;
    }
    return 0;
}
