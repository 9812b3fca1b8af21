// The font reader on arbitrary bytes, for both kinds: it returns exactly the values the reading rules give
// or the error they call for, with its line, reads no further than its buffer past the fields it needs, and
// what it returns is written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzModel.h"
#include "font/FieldReader.h"
#include "font/FontTables.h"
#include "font/FontText.h"

namespace ledfont::fuzz {
namespace {

constexpr std::size_t kMaxFieldChars = FieldReader::kMaxFieldChars;

// What the rules say reading `text` as `kind` gives.
struct Expected {
    std::vector<std::uint8_t> values;
    bool ok = false;
    ErrorCode error = ErrorCode::TypeMismatch;
    long line = 0;
    std::size_t neededBytes = 0;  // offset just after the last field the read needs
};

Expected expectedRead(std::string_view text, FontKind kind) {
    const auto count = static_cast<std::size_t>(valueCount(kind));
    ModelFields split = splitFields(text, count + 1);
    Expected e;
    if (split.fields.size() < count) {
        // Every field is read first, so a short input is reported as such even when a field is bad.
        e.error = ErrorCode::InputPastEndOfFile;
        e.line = split.endLine;
        e.neededBytes = text.size();
        return e;
    }
    e.neededBytes = split.fields[count - 1].end;
    for (std::size_t i = 0; i < count; ++i) {
        const ModelField& f = split.fields[i];
        Conversion c = f.text.size() > kMaxFieldChars ? Conversion{} : modelTextToByte(f.text);
        if (!c.value) {
            e.error = c.error;
            e.line = f.line;
            return e;
        }
        e.values.push_back(*c.value);
    }
    e.ok = true;
    return e;
}

void checkRoundTrip(FontKind kind, const std::vector<std::uint8_t>& values) {
    auto tables = std::make_unique<FontTables>();
    tables->JuktaMode = kind == FontKind::Jukta512;
    storeFontValues(*tables, kind, values);
    std::istringstream written(formatFontText(*tables));
    try {
        check(readFontValues(written, kind) == values, "written values read back differently");
    } catch (const Error&) {
        fail("written values did not read back");
    }
}

void readAs(std::string_view text, FontKind kind) {
    Expected e = expectedRead(text, kind);
    InputBuffer buffer(text);
    std::istream in(&buffer);
    std::vector<std::uint8_t> values;
    try {
        values = readFontValues(in, kind);
    } catch (const Error& error) {
        check(!e.ok, "reader failed on a good font text");
        check(error.code() == e.error, "reader gave the wrong error");
        check(error.place().line == e.line, "reader gave the wrong line");
        return;
    }
    check(e.ok, "reader accepted a bad font text");
    check(values == e.values, "reader gave the wrong values");
    check(buffer.consumed() <= e.neededBytes + 1 + FieldReader::kBufferSize,
          "reader read far beyond the values it needs");
    checkRoundTrip(kind, values);
}

// The input repeated until it holds a few more separators than a font has values: a short good pattern
// becomes a whole font, a short bad one a whole font with a late fault. Empty when the input has no
// separator, since repeating it would only make one long field.
std::string repeated(std::string_view bytes, FontKind kind) {
    std::size_t separators = 0;
    for (char c : bytes) {
        separators += c == ',' || c == '\r' || c == '\n' ? 1 : 0;
    }
    std::string text;
    if (separators == 0) {
        return text;
    }
    const std::size_t copies = (static_cast<std::size_t>(valueCount(kind)) + 2) / separators + 1;
    text.reserve(copies * bytes.size());
    for (std::size_t i = 0; i < copies; ++i) {
        text.append(bytes);
    }
    return text;
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        fuzz::readAs(bytes, kind);
    }
    // Whole fonts cost far more than the raw input, so each input is repeated into one kind only.
    FontKind wholeKind = size % 2 == 0 ? FontKind::Hindi : FontKind::Jukta512;
    fuzz::readAs(fuzz::repeated(bytes, wholeKind), wholeKind);
    return 0;
}
