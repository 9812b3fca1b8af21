#include "import/OutlineFont.h"

// Installed fonts, found through fontconfig.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <string>
#include <vector>

#include "font/ErrorPlaces.h"
#include "font/FontPath.h"

namespace ledfont::import {

std::filesystem::path findSystemFont(const std::string& family) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::string file;
    // fontconfig always offers some font; it is the one asked for only when it has that family.
    FcChar8* name = nullptr;
    for (int i = 0; match && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        FcChar8* path = nullptr;
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0 &&
            FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            file = reinterpret_cast<const char*>(path);
            break;
        }
    }
    if (match) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    if (file.empty()) {
        throw SourceError(0, "no installed font has the family \"" + displayValue(family) + "\"");
    }
    return pathFromUtf8(file);
}

std::vector<std::string> devanagariFamilies() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* letters = FcCharSetCreate();
    FcCharSetAddChar(letters, 0x0915);  // KA: a font that has it is a Devanagari font
    FcPatternAddCharSet(pattern, FC_CHARSET, letters);
    FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(config, pattern, wanted);
    std::vector<std::string> families;
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch) {
            families.emplace_back(reinterpret_cast<const char*>(name));
        }
    }
    if (fonts != nullptr) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(wanted);
    FcCharSetDestroy(letters);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

}  // namespace ledfont::import
