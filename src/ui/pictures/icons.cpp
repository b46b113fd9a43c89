// The window icon and the reticle pointer.
#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <stdexcept>
#include <string>

#include "ui/pictures/pictures.h"
#include "ui/pictures/pixel_art.h"

namespace sledloop::pictures {
namespace {

// The santa's face of the icon, one drawing per size; '_' lets the glowing
// ring (or the black inside it) show.
constexpr Ink kFaceInks[] = {
    {'_', kTransparent},     {'.', kBlack},           {'R', opaque(0xE02830)},
    {'r', opaque(0xA01820)}, {'W', opaque(0xF8F8F8)}, {'w', opaque(0xC0C4D0)},
    {'S', opaque(0xFFCCA8)}, {'p', opaque(0xF08878)}, {'K', opaque(0x201010)},
};

// clang-format off
constexpr std::string_view kFace48[] = {
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "____________________RRRRRRRR____________________",
    "__________________RRRRRRRRRRRR__________________",
    "_________________RRRRRRRRRRRRRR_________________",
    "_______________rrRRRRRRRRRRRRRRRR______WWw______",
    "_______________rRRRRRRRRRRRRRRRRRRRRR_WWWWw_____",
    "______________rRRRRRRRRRRRRRRRRRRRRRRWWWWWWw____",
    "_____________rrRRRRRRRRRRRRRRRRRRRRRRWWWWWWw____",
    "_____________rRRRRRRRRRRRRRRRRRRRRRrrwWWWWww____",
    "____________WWWWWWWWWWWWWWWWWWWWWWWWrrwWWww_____",
    "___________WWWWWWWWWWWWWWWWWWWWWWWWWW__www______",
    "___________WWWWWWWWWWWWWWWWWWWWWWWWWW___________",
    "____________wwwwwwwwwwwwwwwwwwwwwwww____________",
    "______________SSSSSSSSSSSSSSSSSSSS______________",
    "______________SSSSKKSSSSSSSSSKKSSS______________",
    "______________SSSSKKSSSSSSSSSKKSSS______________",
    "______________SSSSSSSSSpppSSSSSSSS______________",
    "____________WWSppSSSSSpppppSSSSSppWw____________",
    "____________WWSppSWWWSpppppSWWWSppWw____________",
    "____________WWWWWWWWWWWWWWWWWWWWWWWw____________",
    "____________WWWWWWWWWWWWWWWWWWWWWWWW____________",
    "___________WWWWWWWWWWWWWWWWWWWWWWWWWw___________",
    "____________WwWWWWWWWWWWWWWWWWWWWWWw____________",
    "____________WWwwwwWWWwwwwwwwWWWwwwww____________",
    "____________WWWWWWWWWWWWWWWWWWWWWWWw____________",
    "____________WWWWWWWWWWWWWWWWWWWWWWww____________",
    "_____________WWWWWWWWWWWWWWWWWWWWWw_____________",
    "_____________wWWWWWWWWWWWWWWWWWWWww_____________",
    "______________wWWWWWWWWWWWWWWWWWww______________",
    "_______________wWWWWWWWWWWWWWWWww_______________",
    "________________wwWWWWWWWWWWWwww________________",
    "__________________wwWWWWWWwwww__________________",
    "____________________wwwwwwww____________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
    "________________________________________________",
};
// clang-format on

// clang-format off
constexpr std::string_view kFace32[] = {
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "_____________RRRRR______________",
    "___________RRRRRRRRR____________",
    "__________RRRRRRRRRRRR__________",
    "_________RRRRRRRRRRRRRRR__WW____",
    "_________RRRRRRRRRRRRRRRRRWWW___",
    "________WWWWWWWWWWWWWWWW__WW____",
    "________WWWWWWWWWWWWWWWW________",
    "________WSSSSSSSSSSSSSSW________",
    "________SSSKKSSSSSSKKSSS________",
    "________SSSSSSSSSSSSSSSS________",
    "_______WSppSSSSppSSSSppSW_______",
    "_______WWWWWWWSSSSWWWWWWW_______",
    "_______WWWWWWWWWWWWWWWWWW_______",
    "________WWWWWWWwwWWWWWWW________",
    "________WWWWWWWWWWWWWWWW________",
    "_________WWWWWWWWWWWWWW_________",
    "__________WWWWWWWWWWWW__________",
    "___________WWWWWWWWWW___________",
    "_____________WWWWWW_____________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
};
// clang-format on

// clang-format off
constexpr std::string_view kFace16[] = {
    "________________",
    "________________",
    "________________",
    "______RRRR______",
    "_____RRRRRRWW___",
    "____WWWWWWWW____",
    "____SKSSSSKS____",
    "____pSSppSSp____",
    "____WWWSSWWW____",
    "____WWWWWWWW____",
    "_____WWWWWW_____",
    "______WWWW______",
    "________________",
    "________________",
    "________________",
    "________________",
};
// clang-format on

// A bright green ring that glows into the black around it.
Image glowingRing(int size) {
    Image ring(size, size, kBlack);
    const double centre = size / 2.0;
    const double radius = size * 0.43;
    const double core = size * 0.02;  // half the width of the solid core
    const double glow = size * 0.05;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            const double off = std::max(0.0, std::abs(d - radius) - core);
            const double light = std::exp(-(off * off) / (glow * glow));
            // The core is nearly white-green; the glow fades through green to black.
            const double hot = std::clamp(1.0 - off / (core + 0.5), 0.0, 1.0);
            auto byte = [](double v) {
                return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
            };
            ring.at(x, y) = argb(byte(light * (60 + 140 * hot)), byte(light * 255),
                                 byte(light * (40 + 120 * hot)));
        }
    }
    return ring;
}

Image makeIcon(int size, std::span<const std::string_view> face) {
    Image icon = glowingRing(size);
    paintOver(icon, decodeArt(kFaceInks, face), 0, 0);
    return icon;
}

constexpr Ink kReticleInks[] = {{'_', kTransparent}, {'Y', opaque(0xFFF200)}};

// clang-format off
constexpr std::string_view kReticleArt[] = {
    "________________________________",
    "_YYYYYYY_________________YYYYYYY",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________Y_______________",
    "________________Y_______________",
    "_____________YYYYYYY____________",
    "________________Y_______________",
    "________________Y_______________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "________________________________",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_Y_____________________________Y",
    "_YYYYYYY_________________YYYYYYY",
};
// clang-format on

}  // namespace

const Image& windowIcon(int size) {
    static const std::array<Image, 3> icons = {makeIcon(48, kFace48), makeIcon(32, kFace32),
                                               makeIcon(16, kFace16)};
    for (const Image& icon : icons) {
        if (icon.width == size) return icon;
    }
    throw std::invalid_argument("the window icon comes in 48, 32 and 16 pixels, not " +
                                std::to_string(size));
}

const Pointer& reticle() {
    static const Pointer pointer{decodeArt(kReticleInks, kReticleArt), 16, 16};
    return pointer;
}

}  // namespace sledloop::pictures
