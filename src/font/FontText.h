#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <span>
#include <string>
#include <vector>

#include "font/FontTables.h"

namespace ledfont {

// Reads the valueCount(kind) values of a font text and stops there; nothing after them is read. All fields
// are read before any failure is reported, so a file that ends too early is InputPastEndOfFile (line = where
// the input ended) even when a field before the end is bad; otherwise the first field that does not convert
// gives TypeMismatch or Overflow with its line and text. A field too long to be a value (more than
// FieldReader::kMaxFieldChars) stops the reading at once, so a huge file without separators fails fast: the
// first bad field up to it is reported, the long one ("field too long") when none before it is bad.
std::vector<std::uint8_t> readFontValues(std::istream& in, FontKind kind);

// readFontValues that then looks one field further and sets `moreFollow` when the input continues after the
// values the kind needs (a Jukta512 font read as Hindi, say). The work stays bounded: one field more.
std::vector<std::uint8_t> readFontValues(std::istream& in, FontKind kind, bool& moreFollow);

// The number of fields of a font text, counting no further than `limit`, so a huge file costs what `limit`
// fields cost. Fields are not converted: this says how many values a file holds, not whether they load. A
// field too long to be a value ends the count there (it is counted, nothing after it is read), and no more
// is ever read than `limit` fields of the longest length a field keeps (a field of blanks, say).
std::size_t countFontFields(std::istream& in, std::size_t limit);

// One field of a font text as its byte. A field the reader cut short is TypeMismatch ("field too long");
// every error carries the field's line and text.
std::uint8_t fontFieldByte(const std::string& field, bool cut, long line);

// readFontValues on a file; every error carries the path.
std::vector<std::uint8_t> readFontFile(const std::filesystem::path& path, FontKind kind);
std::vector<std::uint8_t> readFontFile(const std::filesystem::path& path, FontKind kind, bool& moreFollow);

// countFontFields on a file; every error carries the path.
std::size_t countFontFile(const std::filesystem::path& path, std::size_t limit);

// A font file opened once and read from its start as often as needed: counting its fields to choose the
// kind, then reading that kind's values, cost one open. Every error carries the path.
class OpenFontFile {
  public:
    explicit OpenFontFile(const std::filesystem::path& path);

    std::size_t countFields(std::size_t limit);
    std::vector<std::uint8_t> readValues(FontKind kind, bool& moreFollow);

  private:
    std::istream& fromStart();

    std::filesystem::path path_;
    std::ifstream in_;
};

// Puts a complete, already converted set of values into FontData rows 0..127 or 0..511, bytes 0..33, and for
// Jukta512 into JuktaData rows 0..511, bytes 0..1. Nothing else changes (not JuktaMode, not CurChar), so a
// load that reads and converts first and stores last changes nothing when it fails.
void storeFontValues(FontTables& tables, FontKind kind, std::span<const std::uint8_t> values);

// The font text of the tables in the layout JuktaMode selects: one decimal value per line, each ended by CR
// LF.
std::string formatFontText(const FontTables& tables);

// formatFontText written atomically to `path`.
void saveFontFile(const std::filesystem::path& path, const FontTables& tables);

}  // namespace ledfont
