#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "font/FontTables.h"
#include "font/FontText.h"

namespace ledfont::cli {

// How a font file is read: as which kind, whether the user chose it, and what the file holds beyond it.
struct FontReading {
    FontKind kind = FontKind::Hindi;
    bool kindGiven = false;
    std::size_t fieldsCounted = 0;  // the file's fields up to kCountLimit; 0 when not counted
    bool valuesFollow = false;      // the file goes on after the values the kind holds
    // The file as chooseKind opened it to count, for readFont to read without opening it again.
    std::shared_ptr<OpenFontFile> file;
};

// Counting stops one field past a Jukta512 font, so a huge file costs what a font costs.
inline constexpr std::size_t kCountLimit = static_cast<std::size_t>(valueCount(FontKind::Jukta512)) + 1;

// The kind given or, without one, the kind the number of values says: exactly 4352 Hindi, 18432 or more
// Jukta512, any other number Hindi. A file that cannot be counted is taken as Hindi, and the read that
// follows reports why.
FontReading chooseKind(const std::string& path, std::optional<FontKind> given);

// The tables as the editor holds them after choosing `path` and loading it as `reading.kind`, by the same
// reader: FontFile set, the values stored, JuktaMode set by the kind. Sets valuesFollow, and counts the
// fields when they follow and were not counted yet; the file is opened once for all of it. Throws the
// reader's Error, with the path.
FontTables readFont(const std::string& path, FontReading& reading);

// One line on how the font was read, for the user: the kind chosen when none was given, and values the kind
// leaves unread; empty when there is nothing to say.
std::string readingNote(const FontReading& reading);

// readingNote on `err` as one line naming the file, when there is something to say. Called only once nothing
// can fail any more but the output, so a failure stays one line.
void tellReading(const std::string& path, const FontReading& reading, std::ostream& err);

}  // namespace ledfont::cli
