#include "ui/sdl/fonts.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstring>
#include <memory>

#include "ui/sdl/form_layout.h"

namespace sledloop::sdl {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool hasFamily(FcPattern* font, const char* family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0) return true;
    }
    return false;
}

// The best face of `family` (any family when null) near `weight`.
std::optional<FontFace> match(FcConfig* config, const char* family, int weight) {
    PatternPtr pattern{FcPatternCreate()};
    if (!pattern) return std::nullopt;
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family ? family : "sans-serif"));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, weight);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern.get(), FC_WIDTH, FC_WIDTH_NORMAL);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr font{FcFontMatch(config, pattern.get(), &result)};
    if (!font || result != FcResultMatch) return std::nullopt;
    // fontconfig always answers with something; a named family must really be there.
    if (family && !hasFamily(font.get(), family)) return std::nullopt;

    FcChar8* file = nullptr;
    FcChar8* name = nullptr;
    int index = 0;
    int found = FC_WEIGHT_REGULAR;
    if (FcPatternGetString(font.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
    FcPatternGetInteger(font.get(), FC_INDEX, 0, &index);
    FcPatternGetInteger(font.get(), FC_WEIGHT, 0, &found);
    FontFace face;
    face.family = FcPatternGetString(font.get(), FC_FAMILY, 0, &name) == FcResultMatch
                      ? reinterpret_cast<const char*>(name)
                      : "";
    face.file = reinterpret_cast<const char*>(file);
    face.index = index;
    // fontconfig marks a face that lacks the weight asked for as one to embolden.
    FcBool embolden = FcFalse;
    FcPatternGetBool(font.get(), FC_EMBOLDEN, 0, &embolden);
    face.emboldened = weight >= FC_WEIGHT_BOLD && (embolden || found < FC_WEIGHT_DEMIBOLD);
    return face;
}

}  // namespace

std::optional<FontChoice> chooseFonts() {
    // A config of our own, destroyed with fontconfig's caches once the files
    // are known: the window keeps only the paths.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return std::nullopt;
    std::optional<FontChoice> choice;
    auto gothicBold = match(config, "IPAPGothic", FC_WEIGHT_BOLD);
    auto gothic = match(config, "IPAPGothic", FC_WEIGHT_REGULAR);
    if (!gothicBold || !gothic) {
        gothicBold = match(config, "DejaVu Sans", FC_WEIGHT_BOLD);
        gothic = match(config, "DejaVu Sans", FC_WEIGHT_REGULAR);
    }
    auto ui = match(config, nullptr, FC_WEIGHT_REGULAR);
    if (gothicBold && gothic) choice = FontChoice{*gothicBold, *gothic, ui ? *ui : *gothic};
    FcConfigDestroy(config);
    FcFini();
    return choice;
}

std::optional<FontSet> FontSet::open(const std::optional<FontChoice>& choice, std::string& error) {
    if (!choice) {
        error = "no usable font (neither IPAPGothic nor DejaVu Sans is installed)";
        return std::nullopt;
    }
    struct RoleFace {
        const FontFace* face;
        int pixels;
    };
    const std::array<RoleFace, kFontRoleCount> roles{{
        {&choice->gothicBold, pointsToPixels(18)},
        {&choice->gothicBold, pointsToPixels(14.25)},
        {&choice->gothicBold, pointsToPixels(15.75)},
        {&choice->gothic, pointsToPixels(9)},
        {&choice->ui, pointsToPixels(9)},
    }};
    FontSet set;
    set.choice_ = *choice;
    for (int r = 0; r < kFontRoleCount; ++r) {
        const FontFace& face = *roles[r].face;
        // SDL_ttf measures at 72 dpi, so a size in pixels is a size in its points.
        FontPtr font{TTF_OpenFontIndex(face.file.c_str(), roles[r].pixels, face.index)};
        if (!font) {
            error = "cannot load the font " + face.file + ": " + TTF_GetError();
            return std::nullopt;
        }
        if (face.emboldened) TTF_SetFontStyle(font.get(), TTF_STYLE_BOLD);
        set.fonts_[r] = std::move(font);
    }
    return set;
}

}  // namespace sledloop::sdl
