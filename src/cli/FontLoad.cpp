#include "cli/FontLoad.h"

#include "font/FontText.h"

namespace ledfont::cli {

FontTables loadFontTables(const std::string& path, FontKind kind) {
    FontTables tables;
    tables.FontFile = path;
    storeFontValues(tables, kind, readFontFile(path, kind));
    tables.JuktaMode = kind == FontKind::Jukta512;
    tables.CurChar = 0;
    return tables;
}

}  // namespace ledfont::cli
