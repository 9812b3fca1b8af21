#include "font/FontText.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "EndlessSource.h"
#include "font/Error.h"
#include "font/FieldReader.h"
#include "support/ErrorOf.h"
#include "support/PatternTables.h"
#include "support/TestFiles.h"

namespace ledfont {
namespace {

using Values = std::vector<std::uint8_t>;

constexpr int kHindiCount = 4352;
constexpr int kJuktaCount = 18432;

Values read(const std::string& text, FontKind kind = FontKind::Hindi) {
    std::istringstream in(text);
    return readFontValues(in, kind);
}

// `count` lines of "0", as a filler after the lines a case cares about.
std::string zeroLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "0\r\n";
    }
    return text;
}

Error readError(const std::string& text, FontKind kind = FontKind::Hindi) {
    return test::errorOf([&] { read(text, kind); });
}

TEST(ReadFontValues, LooseReadingRules) {
    const std::pair<std::string, Values> cases[] = {
        {"&H1F\r\n&hff\r\n", {31, 255}},
        {"1,2,3\r\n", {1, 2, 3}},
        {" 4 ,\t5\t\r\n", {4, 5}},
        {"6\n7\n", {6, 7}},
        {"8\r9\r", {8, 9}},
        {"10,11\r\n12,13,14\n", {10, 11, 12, 13, 14}},
    };
    for (const auto& [start, first] : cases) {
        Values values = read(start + zeroLines(kHindiCount - static_cast<int>(first.size())));
        ASSERT_EQ(values.size(), static_cast<std::size_t>(kHindiCount)) << start;
        EXPECT_EQ(Values(values.begin(), values.begin() + static_cast<long>(first.size())), first) << start;
    }
}

TEST(ReadFontValues, FieldsThatDoNotConvert) {
    struct Case {
        std::string text;
        ErrorCode code;
        long line;
        std::string value;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::string rest = zeroLines(kHindiCount);
    const Case cases[] = {
        {"1,,3\r\n" + rest, ErrorCode::TypeMismatch, 1, ""},
        {"0\r\nabc\r\n" + rest, ErrorCode::TypeMismatch, 2, "abc"},
        {zeroLines(40) + "256\r\n" + zeroLines(kHindiCount - 41), ErrorCode::Overflow, 41, "256"},
        {"0\r\nx\r\n999\r\n" + rest, ErrorCode::TypeMismatch, 2, "x"},  // the first failure wins
        {bom + "5\r\n" + bom + "6\r\n" + rest, ErrorCode::TypeMismatch, 2,
         bom + "6"},  // only a leading mark is skipped
        {std::string{'1', '\0', '2', '\r', '\n'} + rest, ErrorCode::TypeMismatch, 1, "1\\x002"},
        {std::string(300, 'x') + "\r\n" + rest, ErrorCode::TypeMismatch, 1, std::string(40, 'x') + "..."},
        {"1\r\n\r\n" + rest, ErrorCode::TypeMismatch, 2, ""},
        {std::string(5000, ','), ErrorCode::TypeMismatch, 1, ""},
        // Digits beyond the longest kept field must not be cut down to a number.
        {std::string(5000, '0') + "\r\n" + rest, ErrorCode::TypeMismatch, 1, std::string(40, '0') + "..."},
        // A field too long to be a value ends the reading, so a short file is not InputPastEndOfFile here.
        {std::string(3000, '\xC3'), ErrorCode::TypeMismatch, 1, std::string(40, '\xC3') + "..."},
        {"1\r\nabc\r\n" + std::string(3000, '7'), ErrorCode::TypeMismatch, 2, "abc"},
    };
    for (const Case& c : cases) {
        Error e = readError(c.text);
        EXPECT_EQ(e.code(), c.code) << c.value;
        EXPECT_EQ(e.place().line, c.line) << c.value;
        EXPECT_TRUE(e.place().hasValue) << c.value;
        EXPECT_EQ(e.place().value, c.value);
    }
}

TEST(ReadFontValues, TooFewValues) {
    struct Case {
        const char* name;
        std::string text;
        FontKind kind;
        long line;
        int found;
    };
    const Case cases[] = {
        {"empty file", "", FontKind::Hindi, 1, 0},
        {"one short", zeroLines(kHindiCount - 1), FontKind::Hindi, kHindiCount - 1, kHindiCount - 1},
        {"no last line end", zeroLines(kHindiCount - 2) + "0", FontKind::Hindi, kHindiCount - 1,
         kHindiCount - 1},
        {"too few wins over a bad field", "abc\r\n" + zeroLines(10), FontKind::Hindi, 11, 11},
        {"only commas", std::string(100, ','), FontKind::Hindi, 1, 101},
        {"only blank lines", std::string(100, '\n'), FontKind::Hindi, 100, 100},
        {"Hindi file read as Jukta512", zeroLines(kHindiCount), FontKind::Jukta512, kHindiCount, kHindiCount},
    };
    for (const Case& c : cases) {
        Error e = readError(c.text, c.kind);
        EXPECT_EQ(e.code(), ErrorCode::InputPastEndOfFile) << c.name;
        EXPECT_EQ(e.place().line, c.line) << c.name;
        EXPECT_NE(std::string(e.what()).find("found " + std::to_string(c.found) + " of"), std::string::npos)
            << c.name << ": " << e.what();
    }
}

TEST(ReadFontValues, BinaryGarbageGivesAnErrorNeverValues) {
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        std::string garbage(20000, '\0');
        for (char& c : garbage) {
            c = static_cast<char>(byte(random));
        }
        Error e = readError(garbage);
        EXPECT_TRUE(e.code() == ErrorCode::TypeMismatch || e.code() == ErrorCode::InputPastEndOfFile)
            << e.what();
    }
}

TEST(ReadFontValues, ExtraValuesAreNeverRead) {
    const std::string text = formatFontText(test::randomTables(7, false));
    test::EndlessSource source(text, "garbage that must not be looked at,", 1 << 20);
    std::istream in(&source);
    EXPECT_EQ(readFontValues(in, FontKind::Hindi), read(text));
    EXPECT_LE(source.served(), text.size() + FieldReader::kBufferSize);
}

// A file without separators (gigabytes of digits or of NUL bytes) fails at its first kilobytes.
TEST(ReadFontValues, FieldTooLongStopsAtOnce) {
    for (const std::string& tail : {std::string(64, '9'), std::string(64, '\0')}) {
        test::EndlessSource source("1\r\n2\r\n", tail, 1 << 20);
        std::istream in(&source);
        const Error e = test::errorOf([&] { readFontValues(in, FontKind::Hindi); });
        EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
        EXPECT_EQ(e.place().line, 3);
        EXPECT_EQ(e.place().note, "field too long");
        EXPECT_LE(source.served(), 2 * FieldReader::kBufferSize);
    }
}

TEST(ReadFontValues, Jukta512FileReadAsHindiGivesItsFirst128Records) {
    const std::string text = formatFontText(test::randomTables(11, true));
    Values jukta = read(text, FontKind::Jukta512);
    ASSERT_EQ(jukta.size(), static_cast<std::size_t>(kJuktaCount));
    EXPECT_EQ(read(text, FontKind::Hindi), Values(jukta.begin(), jukta.begin() + kHindiCount));
}

// Whether a file continues after its kind's values, and how many values it holds, without unbounded reading.
TEST(ReadFontValues, SaysWhetherMoreValuesFollowAndCountsBoundedly) {
    const std::string hindi = formatFontText(test::randomTables(3, false));
    const std::string jukta = formatFontText(test::randomTables(4, true));
    const struct {
        const std::string& text;
        FontKind kind;
        bool more;
    } cases[] = {{hindi, FontKind::Hindi, false},
                 {hindi + "\r\n", FontKind::Hindi, true},  // a blank line is an (empty) field
                 {hindi + "x", FontKind::Hindi, true},
                 {jukta, FontKind::Hindi, true},
                 {jukta, FontKind::Jukta512, false}};
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        bool more = !c.more;
        readFontValues(in, c.kind, more);
        EXPECT_EQ(more, c.more) << c.text.size();
    }
    std::istringstream hindiIn(hindi), juktaIn(jukta);
    EXPECT_EQ(countFontFields(hindiIn, 100000), static_cast<std::size_t>(kHindiCount));
    EXPECT_EQ(countFontFields(juktaIn, kHindiCount + 1), static_cast<std::size_t>(kHindiCount + 1));
    test::EndlessSource endless("", "1,", 1 << 20);
    std::istream endlessIn(&endless);
    EXPECT_EQ(countFontFields(endlessIn, kJuktaCount + 1), static_cast<std::size_t>(kJuktaCount + 1));
    // A field too long to be a value is counted and ends the count.
    test::EndlessSource noSeparators("1,2,", "x", 1 << 20);
    std::istream noSeparatorsIn(&noSeparators);
    EXPECT_EQ(countFontFields(noSeparatorsIn, kJuktaCount + 1), 3u);
    EXPECT_LE(noSeparators.served(), 2 * FieldReader::kBufferSize);
    // One endless field: counting stops within what `limit` fields of the longest kept length take.
    test::EndlessSource oneField("", "7", 11 * 1026);
    std::istream oneFieldIn(&oneField);
    EXPECT_EQ(countFontFields(oneFieldIn, 10), 1u);
}

// Glyph records in order, 34 lines each, then in a Jukta512 font the pairs from line 17409; one decimal
// value a line, every line ending in CR LF, nothing else.
TEST(FormatFontText, OneDecimalLinePerValueInFileOrder) {
    const std::regex decimal("0|[1-9][0-9]{0,2}");
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        const FontTables font = test::randomTables(3, kind == FontKind::Jukta512);
        std::vector<std::string> lines = test::crLfLines(formatFontText(font));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(kind == FontKind::Hindi ? 4352 : 18432));
        for (const std::string& line : lines) {
            ASSERT_TRUE(std::regex_match(line, decimal)) << '"' << line << '"';
        }
        for (std::size_t i = 0; i < 34u * static_cast<std::size_t>(glyphCount(kind)); ++i) {
            ASSERT_EQ(lines[i],
                      std::to_string(font.FontData(static_cast<int>(i / 34), static_cast<int>(i % 34))));
        }
        for (std::size_t i = 0; kind == FontKind::Jukta512 && i < 1024; ++i) {
            ASSERT_EQ(lines[17408 + i],
                      std::to_string(font.JuktaData(static_cast<int>(i / 2), static_cast<int>(i % 2))));
        }
    }
}

TEST(FontText, EveryWrittenFontReadsBackToTheSameValues) {
    for (std::uint32_t round = 0; round < 30; ++round) {
        for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
            const FontTables font = test::randomTables(20240502 + round, kind == FontKind::Jukta512);
            const std::string text = formatFontText(font);
            FontTables loaded;
            loaded.JuktaMode = font.JuktaMode;
            storeFontValues(loaded, kind, read(text, kind));
            ASSERT_EQ(formatFontText(loaded), text);
            for (int g = 0; g < glyphCount(kind); ++g) {
                for (int b = 0; b < kRecordBytes; ++b) {
                    ASSERT_EQ(loaded.FontData(g, b), font.FontData(g, b));
                }
            }
        }
    }
}

TEST(StoreFontValues, TouchesOnlyTheRowsOfItsKind) {
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        FontTables before = test::randomTables(5, false);
        before.FontFile = "font.txt";
        Values values(static_cast<std::size_t>(valueCount(kind)));
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = static_cast<std::uint8_t>(i * 7 + 1);
        }
        FontTables after = before;
        storeFontValues(after, kind, values);

        FontTables expected = before;
        for (std::size_t i = 0; i < 34u * static_cast<std::size_t>(glyphCount(kind)); ++i) {
            expected.FontData.set(static_cast<int>(i / 34), static_cast<int>(i % 34), values[i]);
        }
        for (std::size_t i = 0; kind == FontKind::Jukta512 && i < 1024; ++i) {
            expected.JuktaData.set(static_cast<int>(i / 2), static_cast<int>(i % 2), values[17408 + i]);
        }
        EXPECT_TRUE(after == expected);
    }
    FontTables tables;
    EXPECT_THROW(storeFontValues(tables, FontKind::Hindi, Values(kHindiCount - 1, 1)), Error);
    EXPECT_TRUE(tables == FontTables{});
}

}  // namespace
}  // namespace ledfont
