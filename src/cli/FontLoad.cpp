#include "cli/FontLoad.h"

#include "font/Error.h"
#include "font/FontPath.h"
#include "font/FontText.h"

namespace ledfont::cli {

namespace {

constexpr std::size_t valuesOf(FontKind kind) {
    return static_cast<std::size_t>(valueCount(kind));
}

constexpr std::size_t kJuktaValues = valuesOf(FontKind::Jukta512);

// The fields of the file up to kCountLimit, or 0 when it cannot be read.
std::size_t countFields(OpenFontFile& file) {
    try {
        return file.countFields(kCountLimit);
    } catch (const Error&) {
        return 0;
    }
}

// "648 more values follow", "more than 14080 values follow" when counting stopped at its limit, or
// "more values follow" when the count tells no number.
std::string valuesFollowText(const FontReading& reading) {
    const std::size_t held = valuesOf(reading.kind);
    if (reading.fieldsCounted <= held || (reading.fieldsCounted == kCountLimit && held + 1 == kCountLimit)) {
        return "more values follow";
    }
    if (reading.fieldsCounted == kCountLimit) {
        return "more than " + std::to_string(kCountLimit - 1 - held) + " values follow";
    }
    const std::size_t more = reading.fieldsCounted - held;
    return std::to_string(more) + (more == 1 ? " more value follows" : " more values follow");
}

}  // namespace

FontReading chooseKind(const std::string& path, std::optional<FontKind> given) {
    FontReading reading;
    if (given) {
        reading.kind = *given;
        reading.kindGiven = true;
        return reading;
    }
    try {
        reading.file = std::make_shared<OpenFontFile>(pathFromUtf8(path));
        reading.fieldsCounted = countFields(*reading.file);
    } catch (const Error&) {
        // Counted as nothing; the read that follows opens the file again and says why it cannot.
    }
    reading.kind = reading.fieldsCounted >= kJuktaValues ? FontKind::Jukta512 : FontKind::Hindi;
    return reading;
}

FontTables readFont(const std::string& path, FontReading& reading) {
    if (!reading.file) {
        reading.file = std::make_shared<OpenFontFile>(pathFromUtf8(path));
    }
    FontTables tables;
    tables.FontFile = path;
    try {
        // Everything is read and converted before the first byte is stored, as the editor's load does.
        const std::vector<std::uint8_t> values = reading.file->readValues(reading.kind, reading.valuesFollow);
        storeFontValues(tables, reading.kind, values);
        tables.JuktaMode = reading.kind == FontKind::Jukta512;
    } catch (const Error& e) {
        // A Hindi font read with --kind jukta512 ends early; the count says which kind it is.
        if (e.code() != ErrorCode::InputPastEndOfFile || reading.kind != FontKind::Jukta512 ||
            countFields(*reading.file) != valuesOf(FontKind::Hindi)) {
            throw;
        }
        ErrorPlace place = e.place();
        place.note += place.note.empty() ? "" : ", ";
        place.note += "as many as a Hindi font holds: --kind hindi reads it";
        throw Error(e.code(), place);
    }
    if (reading.valuesFollow && reading.fieldsCounted == 0) {
        reading.fieldsCounted = countFields(*reading.file);
    }
    return tables;
}

std::string readingNote(const FontReading& reading) {
    const std::string kind = fontKindName(reading.kind);
    const std::string held = std::to_string(valueCount(reading.kind));
    if (!reading.kindGiven) {
        return "read as " + kind +
               (reading.valuesFollow ? ", but " + valuesFollowText(reading) + " the " + held + " it holds ("
                                     : " (" + held + " values; ") +
               "give --kind to choose)";
    }
    if (!reading.valuesFollow) {
        return {};
    }
    const bool juktaSized = reading.kind == FontKind::Hindi && reading.fieldsCounted >= kJuktaValues;
    return valuesFollowText(reading) + " the " + held + " a " + kind + " font holds; " +
           (juktaSized ? "--kind jukta512 reads them" : "they are not read");
}

void tellReading(const std::string& path, const FontReading& reading, std::ostream& err) {
    if (const std::string note = readingNote(reading); !note.empty()) {
        err << "ledfont: " << displayPath(path) << ": " << note << '\n';
    }
}

}  // namespace ledfont::cli
