#include "x11_capture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <cstdio>

namespace sledloop::e2e {

namespace {

Display* dpy(void* display) {
    return static_cast<Display*>(display);
}

// The share of a pixel that `mask` selects, scaled to 0..255.
std::uint32_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const unsigned long max = mask >> shift;
    return static_cast<std::uint32_t>(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

std::unique_ptr<X11Connection> X11Connection::open(const std::string& display) {
    Display* d = XOpenDisplay(display.c_str());
    return d ? std::unique_ptr<X11Connection>(new X11Connection(d)) : nullptr;
}

X11Connection::~X11Connection() {
    XCloseDisplay(dpy(display_));
}

std::optional<Capture> X11Connection::capture(unsigned long window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(dpy(display_), window, &attributes)) return std::nullopt;
    XImage* image = XGetImage(dpy(display_), window, 0, 0, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    if (!image) return std::nullopt;
    Capture capture{attributes.width, attributes.height, {}};
    capture.argb.reserve(static_cast<std::size_t>(capture.width) * capture.height);
    for (int y = 0; y < capture.height; ++y) {
        for (int x = 0; x < capture.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            capture.argb.push_back(0xFF000000u | channel(p, image->red_mask) << 16 |
                                   channel(p, image->green_mask) << 8 |
                                   channel(p, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return capture;
}

namespace {

// The first `count` 32-bit items of a window property, as longs.
std::vector<long> property(Display* d, Window window, const char* name, long count) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    const Atom atom = XInternAtom(d, name, True);
    if (atom == None || XGetWindowProperty(d, window, atom, 0, count, False, AnyPropertyType, &type,
                                           &format, &items, &after, &data) != Success)
        return values;
    if (data && format == 32) {
        const long* longs = reinterpret_cast<const long*>(data);
        values.assign(longs, longs + items);
    }
    if (data) XFree(data);
    return values;
}

}  // namespace

std::optional<WindowFacts> X11Connection::facts(unsigned long window) {
    Display* d = dpy(display_);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(d, window, &attributes)) return std::nullopt;
    WindowFacts facts;
    Window child = None;
    XTranslateCoordinates(d, window, attributes.root, 0, 0, &facts.x, &facts.y, &child);
    facts.screenWidth = WidthOfScreen(attributes.screen);
    facts.screenHeight = HeightOfScreen(attributes.screen);
    const std::vector<long> motif = property(d, window, "_MOTIF_WM_HINTS", 5);
    if (motif.size() >= 2 && (motif[0] & 1)) facts.motifFunctions = motif[1];
    const std::vector<long> icon = property(d, window, "_NET_WM_ICON", 2);
    if (icon.size() == 2) {
        facts.iconWidth = static_cast<int>(icon[0]);
        facts.iconHeight = static_cast<int>(icon[1]);
    }
    return facts;
}

bool X11Connection::requestClose(unsigned long window) {
    Display* d = dpy(display_);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(d, window, False, NoEventMask, &event) != 0;
    XFlush(d);
    return sent;
}

bool writePng(const Capture& capture, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(capture.width);
    image.height = static_cast<png_uint_32>(capture.height);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb;
    rgb.reserve(capture.argb.size() * 3);
    for (std::uint32_t p : capture.argb) {
        rgb.push_back(static_cast<png_byte>(p >> 16));
        rgb.push_back(static_cast<png_byte>(p >> 8));
        rgb.push_back(static_cast<png_byte>(p));
    }
    const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

}  // namespace sledloop::e2e
