// Writes the sample fonts from the glyph drawings: make-samples GLYPHS.txt OUT_FOLDER
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "GlyphArt.h"
#include "font/FontText.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make-samples GLYPHS.txt OUT_FOLDER\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) {
            throw ledfont::Error(ledfont::ErrorCode::FileNotFound);
        }
        auto tables = std::make_unique<ledfont::FontTables>();
        ledfont::samples::readGlyphArt(in, *tables);
        std::filesystem::path out(argv[2]);
        tables->JuktaMode = false;
        ledfont::saveFontFile(out / "hindi.txt", *tables);
        tables->JuktaMode = true;
        ledfont::saveFontFile(out / "jukta512.txt", *tables);
    } catch (const ledfont::Error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
