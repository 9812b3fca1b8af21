#include "font/WriteFile.h"

#include "fileio/AtomicFile.h"
#include "fileio/FileError.h"
#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"

namespace ledfont {

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    try {
        fileio::writeFileAtomically(target, bytes);
    } catch (const fileio::FileError& e) {
        throw Error(errorFromFileFailure(e.failure()), placeOfPath(utf8FromPath(e.path()), e.detail()));
    }
}

}  // namespace ledfont
