#include "font/FontText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FieldReader.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"
#include "font/WriteFile.h"

namespace ledfont {

namespace {

constexpr int kPairSectionStart = glyphCount(FontKind::Jukta512) * kRecordBytes;

void appendLine(std::string& out, std::uint8_t value) {
    char digits[4];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
    out += "\r\n";
}

// Hands on at most `budget` bytes of `in`.
class BoundedInput : public std::streambuf {
  public:
    BoundedInput(std::istream& in, std::size_t budget) : in_(in), left_(budget) {}

  protected:
    int_type underflow() override {
        if (left_ == 0) {
            return traits_type::eof();
        }
        in_.read(buffer_.data(), static_cast<std::streamsize>(std::min(buffer_.size(), left_)));
        if (in_.bad()) {
            throw Error(ErrorCode::DeviceIOError);
        }
        const auto got = static_cast<std::size_t>(in_.gcount());
        if (got == 0) {
            return traits_type::eof();
        }
        left_ -= got;
        setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
        return traits_type::to_int_type(buffer_[0]);
    }

  private:
    std::istream& in_;
    std::size_t left_;
    std::array<char, FieldReader::kBufferSize> buffer_{};
};

// A file is read through a buffer that takes a whole font in its usual form at once. It is sized to the file,
// so a small file costs no more; a larger one is read a buffer at a time, as a stream is.
constexpr std::size_t kFileBufferSize = 128 * 1024;

std::size_t fileBufferSize(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return ec ? FieldReader::kBufferSize
              : static_cast<std::size_t>(
                    std::clamp<std::uintmax_t>(size + 1, FieldReader::kBufferSize, kFileBufferSize));
}

}  // namespace

std::uint8_t fontFieldByte(const std::string& field, bool cut, long line) {
    if (cut) {
        throw Error(ErrorCode::TypeMismatch, placeOfField(line, field, "field too long"));
    }
    try {
        return textToByte(field);
    } catch (const Error& e) {
        throw Error(e.code(), placeOfField(line, field));
    }
}

namespace {

// readFontValues on any reader, so that a file can be read through a larger buffer than a stream.
std::vector<std::uint8_t> readValues(FieldReader& reader, FontKind kind, bool& moreFollow) {
    const auto count = static_cast<std::size_t>(valueCount(kind));
    std::vector<std::uint8_t> values(count);
    std::optional<Error> firstFailure;
    std::string field;
    long line = 0;
    std::size_t have = 0;
    // Plain values are taken in runs; every other field, and the one at the end of each buffer, goes one by
    // one through the reader and the conversion.
    while ((have += reader.takePlainValues(values.data() + have, count - have)) < count) {
        if (!reader.next(field, line)) {
            throw Error(ErrorCode::InputPastEndOfFile, placeOfEnd(reader.endLine(), have, count));
        }
        std::uint8_t value = 0;
        if (!firstFailure) {
            try {
                value = fontFieldByte(field, reader.fieldCut(), line);
            } catch (const Error& e) {
                firstFailure = e;
            }
        }
        if (reader.fieldCut()) {
            // Reading on past a field too long to be a value could mean reading a huge file to its end.
            throw *firstFailure;
        }
        values[have++] = value;
    }
    if (firstFailure) {
        throw *firstFailure;
    }
    moreFollow = reader.hasNext();
    return values;
}

}  // namespace

std::vector<std::uint8_t> readFontValues(std::istream& in, FontKind kind) {
    bool moreFollow = false;
    return readFontValues(in, kind, moreFollow);
}

std::vector<std::uint8_t> readFontValues(std::istream& in, FontKind kind, bool& moreFollow) {
    FieldReader reader(in);
    return readValues(reader, kind, moreFollow);
}

std::size_t countFontFields(std::istream& in, std::size_t limit) {
    // A field counts once however long it is, but reading it costs its length, so the bytes are bounded too:
    // by what `limit` fields take at their longest kept length with a line end.
    constexpr std::size_t kFieldBytes = FieldReader::kMaxFieldChars + 2;
    BoundedInput bounded(in, limit > SIZE_MAX / kFieldBytes ? SIZE_MAX : limit * kFieldBytes);
    std::istream boundedIn(&bounded);
    FieldReader reader(boundedIn);
    std::string field;
    long line = 0;
    std::size_t count = 0;
    while (count < limit && reader.next(field, line)) {
        ++count;
        if (reader.fieldCut()) {
            break;
        }
    }
    return count;
}

std::vector<std::uint8_t> readFontFile(const std::filesystem::path& path, FontKind kind) {
    bool moreFollow = false;
    return readFontFile(path, kind, moreFollow);
}

std::vector<std::uint8_t> readFontFile(const std::filesystem::path& path, FontKind kind, bool& moreFollow) {
    return withPathOnError(path, [&] {
        std::ifstream in = openInputFile(path);
        const std::size_t size = fileBufferSize(path);
        auto buffer = std::make_unique_for_overwrite<char[]>(size);
        FieldReader reader(in, {buffer.get(), size});
        return readValues(reader, kind, moreFollow);
    });
}

std::size_t countFontFile(const std::filesystem::path& path, std::size_t limit) {
    return withPathOnError(path, [&] {
        std::ifstream in = openInputFile(path);
        return countFontFields(in, limit);
    });
}

OpenFontFile::OpenFontFile(const std::filesystem::path& path)
    : path_(path), in_(withPathOnError(path, [&] { return openInputFile(path); })) {}

std::istream& OpenFontFile::fromStart() {
    in_.clear();
    in_.seekg(0);
    return in_;
}

std::size_t OpenFontFile::countFields(std::size_t limit) {
    return withPathOnError(path_, [&] { return countFontFields(fromStart(), limit); });
}

std::vector<std::uint8_t> OpenFontFile::readValues(FontKind kind, bool& moreFollow) {
    return withPathOnError(path_, [&] {
        const std::size_t size = fileBufferSize(path_);
        auto buffer = std::make_unique_for_overwrite<char[]>(size);
        FieldReader reader(fromStart(), {buffer.get(), size});
        return ledfont::readValues(reader, kind, moreFollow);
    });
}

void storeFontValues(FontTables& tables, FontKind kind, std::span<const std::uint8_t> values) {
    if (values.size() != static_cast<std::size_t>(valueCount(kind))) {
        throw Error(ErrorCode::SubscriptOutOfRange);
    }
    for (int g = 0; g < glyphCount(kind); ++g) {
        auto record = values.subspan(static_cast<std::size_t>(g) * kRecordBytes, kRecordBytes);
        std::copy(record.begin(), record.end(), tables.FontData.row(g).begin());
    }
    if (kind == FontKind::Jukta512) {
        for (int g = 0; g < glyphCount(FontKind::Jukta512); ++g) {
            auto pair =
                values.subspan(static_cast<std::size_t>(kPairSectionStart + g * kPairBytes), kPairBytes);
            std::copy(pair.begin(), pair.end(), tables.JuktaData.row(g).begin());
        }
    }
}

std::string formatFontText(const FontTables& tables) {
    const FontKind kind = kindOf(tables.JuktaMode);
    std::string out;
    out.reserve(static_cast<std::size_t>(valueCount(kind)) * 5);
    for (int g = 0; g < glyphCount(kind); ++g) {
        auto row = tables.FontData.row(g);
        for (int b = 0; b < kRecordBytes; ++b) {
            appendLine(out, row[static_cast<std::size_t>(b)]);
        }
    }
    if (kind == FontKind::Jukta512) {
        for (int g = 0; g < glyphCount(FontKind::Jukta512); ++g) {
            auto row = tables.JuktaData.row(g);
            for (int k = 0; k < kPairBytes; ++k) {
                appendLine(out, row[static_cast<std::size_t>(k)]);
            }
        }
    }
    return out;
}

void saveFontFile(const std::filesystem::path& path, const FontTables& tables) {
    writeFileAtomically(path, formatFontText(tables));
}

}  // namespace ledfont
