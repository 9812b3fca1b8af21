#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// The real fonts the import is tested on come from Debian packages (unifont, unifont-bin, fonts-noto-core,
// fonts-lohit-deva). A test without them is skipped, unless LEDFONT_REQUIRE_IMPORT_DATA is set, as CI sets
// it, where the packages are installed and a missing one is a fault.
#define LEDFONT_NEED_IMPORT_DATA(present, what)                                            \
    do {                                                                                   \
        if (!(present)) {                                                                  \
            if (std::getenv("LEDFONT_REQUIRE_IMPORT_DATA") != nullptr) {                   \
                FAIL() << (what) << " is missing, and LEDFONT_REQUIRE_IMPORT_DATA is set"; \
            }                                                                              \
            GTEST_SKIP() << (what) << " is not installed";                                 \
        }                                                                                  \
    } while (false)

namespace ledfont::test {

// Debian's unifont package puts the whole font here.
inline const std::filesystem::path kUnifontHex = "/usr/share/unifont/unifont.hex";

}  // namespace ledfont::test
