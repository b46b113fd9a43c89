// The title picture: a still life on very dark green and the
// game's title in red letters, drawn once with Cairo.
//
// The picture is 1280 x 960 but the player only ever sees it squeezed into
// Image1's 959 x 478 box, which halves its height and takes a quarter off its
// width. So the scene is laid out in the shown box's units and stretched onto
// the big picture: squeezed back, a cup is round again.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "ui/pictures/pictures.h"

namespace sledloop::pictures {
namespace {

constexpr double kPi = std::numbers::pi;

struct Rgba {
    double r, g, b, a = 1.0;
};

constexpr Rgba rgb(std::uint32_t hex, double a = 1.0) {
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, a};
}

constexpr Rgba kBackground = rgb(0x002600);

using Pattern = std::unique_ptr<cairo_pattern_t, decltype(&cairo_pattern_destroy)>;

void setColor(cairo_t* cr, Rgba c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void addStop(cairo_pattern_t* p, double at, Rgba c) {
    cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, c.a);
}

Pattern linear(double x0, double y0, double x1, double y1,
               std::initializer_list<std::pair<double, Rgba>> stops) {
    Pattern p(cairo_pattern_create_linear(x0, y0, x1, y1), cairo_pattern_destroy);
    for (const auto& [at, c] : stops)
        addStop(p.get(), at, c);
    return p;
}

Pattern radial(double cx0, double cy0, double r0, double cx1, double cy1, double r1,
               std::initializer_list<std::pair<double, Rgba>> stops) {
    Pattern p(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1), cairo_pattern_destroy);
    for (const auto& [at, c] : stops)
        addStop(p.get(), at, c);
    return p;
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void fillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgba c) {
    ellipsePath(cr, cx, cy, rx, ry);
    setColor(cr, c);
    cairo_fill(cr);
}

// A soft shadow on the "table": an ellipse that fades out at its rim.
void softShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double strength) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    auto p = radial(0, 0, 0, 0, 0, 1,
                    {{0.0, rgb(0x000000, strength)},
                     {0.6, rgb(0x000000, strength * 0.7)},
                     {1.0, rgb(0x000000, 0.0)}});
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_set_source(cr, p.get());
    cairo_fill(cr);
    cairo_restore(cr);
}

// A round plate seen from above at a slant, its well a little darker.
void plate(cairo_t* cr, double cx, double cy, double rx, double ry) {
    softShadow(cr, cx + rx * 0.12, cy + ry * 0.45, rx * 1.12, ry * 1.25, 0.55);
    // Its edge, seen below the rim.
    fillEllipse(cr, cx, cy + ry * 0.16, rx, ry, rgb(0x9A9E9A));
    ellipsePath(cr, cx, cy, rx, ry);
    auto rim = linear(cx - rx, cy - ry, cx + rx * 0.6, cy + ry,
                      {{0.0, rgb(0xFFFFFF)}, {0.55, rgb(0xEDEEEA)}, {1.0, rgb(0xBFC3BE)}});
    cairo_set_source(cr, rim.get());
    cairo_fill(cr);
    ellipsePath(cr, cx, cy + ry * 0.05, rx * 0.7, ry * 0.66);
    auto well = linear(cx - rx * 0.7, cy - ry, cx + rx * 0.7, cy + ry,
                       {{0.0, rgb(0xD8DAD5)}, {0.5, rgb(0xF2F3EF)}, {1.0, rgb(0xFDFDFB)}});
    cairo_set_source(cr, well.get());
    cairo_fill_preserve(cr);
    setColor(cr, rgb(0xB4B8B2, 0.8));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// The three corners of a cake slice's top and how deep it is: the tip points
// at the viewer's left, the cut face looks at the viewer, the round back of
// the cake is at the right.
struct Slice {
    double tipX, tipY;    // the point of the wedge, on top
    double backX, backY;  // the far corner of the top, at the back
    double endX, endY;    // the near corner at the round end
    double height;
};

void sliceTopPath(cairo_t* cr, const Slice& s) {
    cairo_move_to(cr, s.tipX, s.tipY);
    cairo_line_to(cr, s.backX, s.backY);
    // The round back of the cake, bulging away from the tip.
    cairo_curve_to(cr, s.backX + 30, s.backY + 2, s.endX + 12, s.endY - 18, s.endX, s.endY);
    cairo_close_path(cr);
}

void sliceFacePath(cairo_t* cr, const Slice& s) {
    cairo_move_to(cr, s.tipX, s.tipY);
    cairo_line_to(cr, s.endX, s.endY);
    cairo_line_to(cr, s.endX, s.endY + s.height);
    cairo_line_to(cr, s.tipX, s.tipY + s.height);
    cairo_close_path(cr);
}

// The round back of the cake, between the top's curve and the same curve a
// cake's height lower; the cut face and the top, painted after it, leave only
// the bulge at the right showing.
void sliceEndPath(cairo_t* cr, const Slice& s) {
    const double h = s.height;
    cairo_move_to(cr, s.backX, s.backY);
    cairo_curve_to(cr, s.backX + 30, s.backY + 2, s.endX + 12, s.endY - 18, s.endX, s.endY);
    cairo_line_to(cr, s.endX, s.endY + h);
    cairo_curve_to(cr, s.endX + 12, s.endY - 18 + h, s.backX + 30, s.backY + 2 + h, s.backX,
                   s.backY + h);
    cairo_close_path(cr);
}

// A band of the cut face between two fractions of its height.
void faceBand(cairo_t* cr, const Slice& s, double from, double to, Rgba c) {
    cairo_save(cr);
    sliceFacePath(cr, s);
    cairo_clip(cr);
    const double h = s.height;
    cairo_move_to(cr, s.tipX - 2, s.tipY + h * from);
    cairo_line_to(cr, s.endX + 2, s.endY + h * from);
    cairo_line_to(cr, s.endX + 2, s.endY + h * to);
    cairo_line_to(cr, s.tipX - 2, s.tipY + h * to);
    cairo_close_path(cr);
    setColor(cr, c);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Light falls from the upper left: the cut face gets a soft darkening towards the tip.
void faceShade(cairo_t* cr, const Slice& s, double strength) {
    sliceFacePath(cr, s);
    auto shade =
        linear(s.tipX, 0, s.endX, 0, {{0.0, rgb(0x000000, strength)}, {1.0, rgb(0x000000, 0.0)}});
    cairo_set_source(cr, shade.get());
    cairo_fill(cr);
}

void chocolateCake(cairo_t* cr) {
    plate(cr, 760, 392, 150, 48);
    const Slice s{660, 352, 790, 318, 850, 356, 62};
    softShadow(cr, 775, 408, 100, 18, 0.5);

    // The round back, then the cut face with its layers, then the glazed top.
    sliceEndPath(cr, s);
    auto end = linear(s.endX, 0, s.backX + 30, 0, {{0.0, rgb(0x3A1E10)}, {1.0, rgb(0x1E0E06)}});
    cairo_set_source(cr, end.get());
    cairo_fill(cr);

    faceBand(cr, s, 0.00, 1.00, rgb(0x5A3220));  // sponge
    faceBand(cr, s, 0.00, 0.13, rgb(0x24100A));  // glaze
    faceBand(cr, s, 0.36, 0.46, rgb(0x2E160C));  // ganache
    faceBand(cr, s, 0.70, 0.80, rgb(0x2E160C));
    faceBand(cr, s, 0.93, 1.00, rgb(0x47271A));  // the crumb darker at the foot
    // Crumbs: small lighter pores in the sponge.
    cairo_save(cr);
    sliceFacePath(cr, s);
    cairo_clip(cr);
    setColor(cr, rgb(0x7A4A30, 0.6));
    for (int i = 0; i < 60; ++i) {
        const double u = std::fmod(i * 0.618034, 1.0), v = std::fmod(i * 0.414214 + 0.13, 1.0);
        const double band = (i % 2 == 0) ? 0.17 + v * 0.17 : 0.5 + v * 0.17;
        const double x = s.tipX + (s.endX - s.tipX) * (0.08 + u * 0.9);
        const double y = s.tipY + (s.endY - s.tipY) * (0.08 + u * 0.9) + s.height * band;
        fillEllipse(cr, x, y, 1.6, 1.1, rgb(0x7A4A30, 0.55));
    }
    cairo_restore(cr);
    faceShade(cr, s, 0.35);

    sliceTopPath(cr, s);
    auto top = linear(s.tipX, s.backY, s.endX, s.endY,
                      {{0.0, rgb(0x2A140A)}, {0.5, rgb(0x3C1E10)}, {1.0, rgb(0x1C0C06)}});
    cairo_set_source(cr, top.get());
    cairo_fill(cr);
    // The glaze's shine.
    cairo_move_to(cr, 700, 343);
    cairo_curve_to(cr, 730, 334, 760, 330, 792, 330);
    setColor(cr, rgb(0xFFFFFF, 0.35));
    cairo_set_line_width(cr, 3.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Chocolate curls on top.
    for (int i = 0; i < 3; ++i) {
        const double x = 770 + i * 16, y = 334 + i * 4;
        cairo_move_to(cr, x - 8, y + 2);
        cairo_curve_to(cr, x - 4, y - 8, x + 8, y - 8, x + 8, y);
        setColor(cr, rgb(0x6B3A1E));
        cairo_set_line_width(cr, 4.0);
        cairo_stroke(cr);
    }

    // The spoon lying on the plate in front of the slice.
    cairo_save(cr);
    cairo_translate(cr, 740, 424);
    cairo_rotate(cr, -0.16);
    softShadow(cr, 8, 9, 92, 8, 0.35);
    auto steel =
        linear(0, -8, 0, 8, {{0.0, rgb(0xF4F6F8)}, {0.45, rgb(0xB8BEC6)}, {1.0, rgb(0x6E747C)}});
    // Handle: a narrow bar that widens to its end.
    cairo_move_to(cr, -20, -2.5);
    cairo_curve_to(cr, 20, -3.5, 50, -6, 80, -6);
    cairo_curve_to(cr, 90, -6, 90, 5, 80, 5);
    cairo_curve_to(cr, 50, 5, 20, 2.5, -20, 2.5);
    cairo_close_path(cr);
    cairo_set_source(cr, steel.get());
    cairo_fill(cr);
    // Bowl.
    ellipsePath(cr, -44, 0, 28, 11);
    auto bowl = radial(-52, -4, 2, -44, 0, 30,
                       {{0.0, rgb(0xFFFFFF)}, {0.4, rgb(0xC8CED4)}, {1.0, rgb(0x5E646C)}});
    cairo_set_source(cr, bowl.get());
    cairo_fill(cr);
    ellipsePath(cr, -44, 0, 22, 7.5);
    setColor(cr, rgb(0x868C94, 0.6));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void strawberry(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size);
    // Heart-like body, point down.
    cairo_move_to(cr, 0, 1.0);
    cairo_curve_to(cr, -0.55, 0.6, -0.85, 0.0, -0.6, -0.45);
    cairo_curve_to(cr, -0.4, -0.75, 0.4, -0.75, 0.6, -0.45);
    cairo_curve_to(cr, 0.85, 0.0, 0.55, 0.6, 0, 1.0);
    cairo_close_path(cr);
    auto berry = radial(-0.25, -0.3, 0.05, 0, 0, 1.1,
                        {{0.0, rgb(0xFF8A80)}, {0.3, rgb(0xE8202A)}, {1.0, rgb(0x8A0A12)}});
    cairo_set_source(cr, berry.get());
    cairo_fill(cr);
    // Seeds.
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2.399963, r = 0.18 + 0.5 * std::fmod(i * 0.37, 1.0);
        const double x = r * std::cos(a) * 0.9, y = 0.1 + r * std::sin(a) * 0.9;
        ellipsePath(cr, x, y, 0.035, 0.05);
        setColor(cr, rgb(0xF6E27A));
        cairo_fill(cr);
    }
    // Leaves.
    for (int i = -2; i <= 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 0, -0.6);
        cairo_rotate(cr, i * 0.55);
        ellipsePath(cr, 0, -0.16, 0.11, 0.24);
        setColor(cr, rgb(i % 2 == 0 ? 0x3E9A2C : 0x2C7A20));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void shortcake(cairo_t* cr) {
    plate(cr, 215, 396, 150, 48);
    const Slice s{118, 356, 250, 320, 310, 360, 66};
    softShadow(cr, 230, 412, 100, 18, 0.45);

    sliceEndPath(cr, s);
    auto end = linear(s.endX, 0, s.backX + 30, 0, {{0.0, rgb(0xF4EEE4)}, {1.0, rgb(0xCFC8BC)}});
    cairo_set_source(cr, end.get());
    cairo_fill(cr);

    faceBand(cr, s, 0.00, 1.00, rgb(0xF2CF78));  // sponge
    faceBand(cr, s, 0.00, 0.16, rgb(0xFBF7EF));  // cream on top
    faceBand(cr, s, 0.42, 0.56, rgb(0xFBF7EF));  // cream filling
    faceBand(cr, s, 0.93, 1.00, rgb(0xD9A850));  // browned base
    // Strawberry slices in the filling.
    cairo_save(cr);
    sliceFacePath(cr, s);
    cairo_clip(cr);
    for (int i = 0; i < 5; ++i) {
        const double u = 0.14 + i * 0.19;
        const double x = s.tipX + (s.endX - s.tipX) * u;
        const double y = s.tipY + (s.endY - s.tipY) * u + s.height * 0.49;
        ellipsePath(cr, x, y, 9.5, 4.6);
        auto cut = radial(x, y, 1, x, y, 10,
                          {{0.0, rgb(0xFFB0A8)}, {0.5, rgb(0xF04050)}, {1.0, rgb(0xC0101E)}});
        cairo_set_source(cr, cut.get());
        cairo_fill(cr);
    }
    cairo_restore(cr);
    faceShade(cr, s, 0.22);

    sliceTopPath(cr, s);
    auto top = linear(s.tipX, s.backY, s.endX, s.endY,
                      {{0.0, rgb(0xFFFFFF)}, {0.6, rgb(0xF6F2EA)}, {1.0, rgb(0xDCD6CC)}});
    cairo_set_source(cr, top.get());
    cairo_fill(cr);
    // A swirl of cream at the back, and the strawberry on it.
    for (int i = 0; i < 3; ++i) {
        fillEllipse(cr, 262, 330 - i * 7, 24 - i * 6, 9 - i * 2, rgb(i % 2 ? 0xF0EAE0 : 0xFFFFFF));
    }
    strawberry(cr, 258, 300, 24);
}

void teaCup(cairo_t* cr) {
    const double cx = 455, top = 236, rx = 62, ry = 17;
    // Saucer.
    softShadow(cr, cx + 12, 316, 120, 28, 0.55);
    fillEllipse(cr, cx, 306, 108, 30, rgb(0x9A9E9A));
    ellipsePath(cr, cx, 301, 108, 30);
    auto saucer = linear(cx - 108, 270, cx + 70, 330,
                         {{0.0, rgb(0xFFFFFF)}, {0.6, rgb(0xEAECE8)}, {1.0, rgb(0xBCC0BA)}});
    cairo_set_source(cr, saucer.get());
    cairo_fill(cr);
    ellipsePath(cr, cx, 301, 108, 30);
    setColor(cr, rgb(0x2E6FB0));  // a blue line round the rim
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    fillEllipse(cr, cx + 4, 304, 52, 13, rgb(0xC8CCC6));  // the cup's own shadow in the well

    // Handle, behind the body's right side.
    cairo_move_to(cr, cx + rx - 6, top + 18);
    cairo_curve_to(cr, cx + rx + 40, top + 8, cx + rx + 38, top + 58, cx + rx - 14, top + 62);
    cairo_set_line_width(cr, 11);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, rgb(0xC6CAC4));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 6);
    setColor(cr, rgb(0xF2F3F0));
    cairo_stroke(cr);

    // Body: the rim's ellipse down to a narrower foot.
    cairo_move_to(cr, cx - rx, top);
    cairo_curve_to(cr, cx - rx, top + 50, cx - 40, top + 70, cx - 30, top + 74);
    cairo_line_to(cr, cx + 30, top + 74);
    cairo_curve_to(cr, cx + 40, top + 70, cx + rx, top + 50, cx + rx, top);
    cairo_close_path(cr);
    auto body = linear(
        cx - rx, 0, cx + rx, 0,
        {{0.0, rgb(0xD6D9D3)}, {0.22, rgb(0xFFFFFF)}, {0.6, rgb(0xE6E8E3)}, {1.0, rgb(0x9EA39C)}});
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    // A blue band under the rim.
    cairo_save(cr);
    cairo_move_to(cr, cx - rx, top);
    cairo_curve_to(cr, cx - rx, top + 50, cx - 40, top + 70, cx - 30, top + 74);
    cairo_line_to(cr, cx + 30, top + 74);
    cairo_curve_to(cr, cx + 40, top + 70, cx + rx, top + 50, cx + rx, top);
    cairo_close_path(cr);
    cairo_clip(cr);
    ellipsePath(cr, cx, top + 16, rx + 2, ry);
    setColor(cr, rgb(0x2E6FB0));
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    cairo_restore(cr);

    // Rim and tea.
    fillEllipse(cr, cx, top, rx, ry, rgb(0xF4F5F2));
    ellipsePath(cr, cx, top + 2, rx - 5, ry - 4);
    auto tea = radial(cx + 10, top + 4, 2, cx, top + 2, rx,
                      {{0.0, rgb(0xC07A30)}, {0.5, rgb(0x8C4A16)}, {1.0, rgb(0x4E2408)}});
    cairo_set_source(cr, tea.get());
    cairo_fill(cr);
    fillEllipse(cr, cx - 18, top, 12, 3, rgb(0xFFFFFF, 0.35));  // the window in the tea

    // Steam.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double x = cx - 22 + i * 20, y = top - 8;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x - 14, y - 20, x + 14, y - 34, x, y - 52 - i * 6);
        setColor(cr, rgb(0xFFFFFF, 0.10 + 0.03 * (i % 2)));
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
    }
}

void colaGlass(cairo_t* cr) {
    const double cx = 620, top = 150, bottom = 352, rt = 44, rb = 36, ry = 12;
    const double level = 186;  // the cola's surface

    softShadow(cr, cx + 22, bottom + 4, 70, 16, 0.5);
    // The cola seen through the glass, lighter where the glass is thin.
    cairo_move_to(cr, cx - rt + 3, level);
    cairo_line_to(cr, cx - rb + 3, bottom - 14);
    cairo_curve_to(cr, cx - rb + 3, bottom - 14 + ry, cx + rb - 3, bottom - 14 + ry, cx + rb - 3,
                   bottom - 14);
    cairo_line_to(cr, cx + rt - 3, level);
    cairo_close_path(cr);
    auto cola = linear(
        cx - rt, 0, cx + rt, 0,
        {{0.0, rgb(0x5A1C08)}, {0.3, rgb(0x2A0A02)}, {0.75, rgb(0x1A0600)}, {1.0, rgb(0x4A1606)}});
    cairo_set_source(cr, cola.get());
    cairo_fill(cr);
    // Ice cubes near the top and bubbles rising.
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx - 18 + i * 18, level + 20 + (i % 2) * 14);
        cairo_rotate(cr, -0.3 + i * 0.35);
        cairo_rectangle(cr, -12, -11, 24, 22);
        setColor(cr, rgb(0x9A5A3A, 0.45));
        cairo_fill_preserve(cr);
        setColor(cr, rgb(0xE8C8B0, 0.5));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    for (int i = 0; i < 26; ++i) {
        const double u = std::fmod(i * 0.618034, 1.0), v = std::fmod(i * 0.754878, 1.0);
        const double y = level + 40 + v * (bottom - level - 60);
        const double x = cx - rb + 8 + u * (2 * rb - 16);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 1.2 + (i % 3) * 0.6, 0, 2 * kPi);
        setColor(cr, rgb(0xC89070, 0.55));
        cairo_fill(cr);
    }
    // Foam at the surface.
    fillEllipse(cr, cx, level, rt - 3, ry - 2, rgb(0xB8875A));
    fillEllipse(cr, cx + 4, level + 1, rt - 12, ry - 5, rgb(0x7A4424));

    // A striped straw leaning out of the glass.
    cairo_save(cr);
    cairo_move_to(cr, cx + 8, level + 60);
    cairo_line_to(cr, cx + 40, top - 60);
    cairo_line_to(cr, cx + 62, top - 72);
    cairo_set_line_width(cr, 7);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, rgb(0xF4F4F0));
    cairo_stroke_preserve(cr);
    const double dashes[] = {9.0, 9.0};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, rgb(0xE02030));
    cairo_stroke(cr);
    cairo_restore(cr);

    // The glass: a faint body, a thick base, bright edges and a highlight.
    cairo_move_to(cr, cx - rt, top);
    cairo_line_to(cr, cx - rb, bottom);
    cairo_curve_to(cr, cx - rb, bottom + ry, cx + rb, bottom + ry, cx + rb, bottom);
    cairo_line_to(cr, cx + rt, top);
    cairo_close_path(cr);
    setColor(cr, rgb(0xD8F0E8, 0.10));
    cairo_fill_preserve(cr);
    setColor(cr, rgb(0xE8FFF8, 0.55));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    fillEllipse(cr, cx, bottom - 6, rb - 1, ry - 2, rgb(0xC8E8E0, 0.22));
    ellipsePath(cr, cx, top, rt, ry);
    setColor(cr, rgb(0xF0FFFA, 0.75));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - rt + 10, top + 14);
    cairo_line_to(cr, cx - rb + 9, bottom - 16);
    setColor(cr, rgb(0xFFFFFF, 0.45));
    cairo_set_line_width(cr, 5.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, cx + rt - 9, top + 24);
    cairo_line_to(cr, cx + rb - 7, bottom - 30);
    setColor(cr, rgb(0xFFFFFF, 0.2));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// The title's letters as strokes of a round pen, in units of the x-height
// (baseline at y = 0, x-height at y = -1). Returns the letter's advance.
double letterPath(cairo_t* cr, char letter) {
    switch (letter) {
        case 's':
            cairo_move_to(cr, 0.70, -0.82);
            cairo_curve_to(cr, 0.56, -1.02, 0.10, -1.02, 0.10, -0.74);
            cairo_curve_to(cr, 0.10, -0.46, 0.72, -0.56, 0.72, -0.25);
            cairo_curve_to(cr, 0.72, 0.04, 0.18, 0.04, 0.04, -0.16);
            return 0.80;
        case 'l':
            cairo_move_to(cr, 0.14, -1.58);
            cairo_line_to(cr, 0.14, -0.22);
            cairo_curve_to(cr, 0.14, 0.02, 0.30, 0.02, 0.40, -0.04);
            return 0.50;
        case 'e':
            cairo_move_to(cr, 0.10, -0.50);
            cairo_line_to(cr, 0.84, -0.50);
            cairo_curve_to(cr, 0.84, -0.84, 0.66, -1.0, 0.46, -1.0);
            cairo_curve_to(cr, 0.22, -1.0, 0.06, -0.78, 0.06, -0.50);
            cairo_curve_to(cr, 0.06, -0.18, 0.26, 0.0, 0.48, 0.0);
            cairo_curve_to(cr, 0.62, 0.0, 0.74, -0.06, 0.82, -0.16);
            return 0.92;
        case 'd':
            ellipsePath(cr, 0.44, -0.50, 0.38, 0.50);
            cairo_move_to(cr, 0.82, -1.58);
            cairo_line_to(cr, 0.82, 0.0);
            return 0.98;
        case 'o':
            ellipsePath(cr, 0.44, -0.50, 0.40, 0.50);
            return 0.92;
        case 'p':
            ellipsePath(cr, 0.52, -0.50, 0.38, 0.50);
            cairo_move_to(cr, 0.14, -1.0);
            cairo_line_to(cr, 0.14, 0.58);
            return 0.98;
        default:
            return 0.6;
    }
}

void title(cairo_t* cr, double x, double baseline, double xHeight) {
    constexpr std::string_view kTitle = "sledloop";
    const double pen = 0.24;  // stroke width in x-heights
    auto lettering = [&](double dx, double dy) {
        cairo_new_path(cr);
        double at = 0;
        for (char c : kTitle) {
            cairo_save(cr);
            cairo_translate(cr, x + dx + at * xHeight, baseline + dy);
            cairo_scale(cr, xHeight, xHeight);
            at += letterPath(cr, c) + pen * 0.9;
            cairo_restore(cr);
        }
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    lettering(5, 7);  // drop shadow
    setColor(cr, rgb(0x000000, 0.55));
    cairo_set_line_width(cr, xHeight * pen + 6);
    cairo_stroke(cr);

    lettering(0, 0);
    setColor(cr, rgb(0x5A0008));  // dark rim
    cairo_set_line_width(cr, xHeight * pen + 6);
    cairo_stroke_preserve(cr);
    auto red = linear(0, baseline - xHeight * 1.6, 0, baseline + xHeight * 0.6,
                      {{0.0, rgb(0xFF5A48)}, {0.45, rgb(0xE8141E)}, {1.0, rgb(0xA8000C)}});
    cairo_set_source(cr, red.get());
    cairo_set_line_width(cr, xHeight * pen);
    cairo_stroke(cr);

    lettering(-xHeight * 0.035, -xHeight * 0.05);  // the shine along each stroke
    setColor(cr, rgb(0xFFFFFF, 0.35));
    cairo_set_line_width(cr, xHeight * pen * 0.22);
    cairo_stroke(cr);
}

void drawScene(cairo_t* cr) {
    setColor(cr, kBackground);
    cairo_paint(cr);

    title(cr, 52, 128, 62);
    // Back to front.
    colaGlass(cr);
    teaCup(cr);
    shortcake(cr);
    chocolateCake(cr);
}

Image makeTitle() {
    using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
    using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;
    // Cairo draws straight into the picture's pixels: its ARGB32 is our
    // 0xAARRGGBB word, premultiplied, and for this width its stride is
    // exactly a row. One big buffer fewer to fill and copy at start-up.
    Image image(kTitleWidth, kTitleHeight);
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, kTitleWidth);
    if (stride != kTitleWidth * 4) throw std::logic_error("unexpected Cairo stride");
    Surface surface(
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(image.pixels.data()),
                                            CAIRO_FORMAT_ARGB32, kTitleWidth, kTitleHeight, stride),
        cairo_surface_destroy);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make the title picture's surface");
    }
    {
        Context cr(cairo_create(surface.get()), cairo_destroy);
        cairo_scale(cr.get(), static_cast<double>(kTitleWidth) / kTitleShownWidth,
                    static_cast<double>(kTitleHeight) / kTitleShownHeight);
        drawScene(cr.get());
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
            throw std::runtime_error(std::string("cannot draw the title picture: ") +
                                     cairo_status_to_string(cairo_status(cr.get())));
        }
    }
    cairo_surface_finish(surface.get());

    // The scene covers every pixel with the opaque background, so nothing is
    // premultiplied; undo it anyway should a pixel ever be left see-through.
    for (Argb& p : image.pixels) {
        const unsigned a = alphaOf(p);
        if (a == 0xFF || a == 0) continue;
        auto un = [a](unsigned c) {
            return static_cast<std::uint8_t>(std::min(255u, (c * 255 + a / 2) / a));
        };
        p = argb(un(redOf(p)), un(greenOf(p)), un(blueOf(p)), static_cast<std::uint8_t>(a));
    }
    return image;
}

}  // namespace

const Image& titlePicture() {
    static const Image picture = makeTitle();
    return picture;
}

// The game only shows the squeezed picture: the 1280 x 960 one is drawn for
// the squeeze and let go, not kept for the whole run.
const Image& titlePictureShown() {
    static const Image shown = squeeze(makeTitle(), kTitleShownWidth, kTitleShownHeight);
    return shown;
}

}  // namespace sledloop::pictures
