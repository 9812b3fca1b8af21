#include "font/FontText.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "EndlessSource.h"
#include "font/Error.h"
#include "font/FieldReader.h"

namespace ledfont {
namespace {

using Values = std::vector<std::uint8_t>;

constexpr int kHindiCount = 4352;
constexpr int kJuktaCount = 18432;

std::vector<std::uint8_t> read(const std::string& text, FontKind kind = FontKind::Hindi) {
    std::istringstream in(text);
    return readFontValues(in, kind);
}

// One value a line: `count` lines of "0", as a filler after the lines a case cares about.
std::string zeroLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "0\r\n";
    }
    return text;
}

Error readError(const std::string& text, FontKind kind = FontKind::Hindi) {
    try {
        read(text, kind);
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << "read without an error";
    return Error(ErrorCode::DeviceIOError);
}

std::unique_ptr<FontTables> randomFont(std::mt19937& random, FontKind kind) {
    auto tables = std::make_unique<FontTables>();
    std::uniform_int_distribution<int> byte(0, 255);
    // Every row and byte gets something, so a writer that strays outside the layout shows up.
    for (int g = 0; g <= FontDataTable::kRowUpper; ++g) {
        for (int b = 0; b <= FontDataTable::kColUpper; ++b) {
            tables->FontData.set(g, b, byte(random));
        }
        for (int k = 0; k <= JuktaDataTable::kColUpper; ++k) {
            tables->JuktaData.set(g, k, byte(random));
        }
    }
    tables->JuktaMode = kind == FontKind::Jukta512;
    return tables;
}

std::vector<std::string> splitCrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(ReadFontValues, LooseReadingRules) {
    struct Case {
        const char* name;
        std::string start;
        Values firstValues;
        int linesOfStart;
    };
    const Case cases[] = {
        {"hexadecimal", "&H1F\r\n&hff\r\n", {31, 255}, 2},
        {"commas", "1,2,3\r\n", {1, 2, 3}, 1},
        {"blanks", " 4 ,\t5\t\r\n", {4, 5}, 1},
        {"LF", "6\n7\n", {6, 7}, 2},
        {"CR", "8\r9\r", {8, 9}, 2},
        {"several values on several lines", "10,11\r\n12,13,14\n", {10, 11, 12, 13, 14}, 2},
    };
    for (const Case& c : cases) {
        const int rest = kHindiCount - static_cast<int>(c.firstValues.size());
        Values values = read(c.start + zeroLines(rest));
        ASSERT_EQ(values.size(), static_cast<std::size_t>(kHindiCount)) << c.name;
        EXPECT_EQ(Values(values.begin(), values.begin() + static_cast<long>(c.firstValues.size())),
                  c.firstValues)
            << c.name;
    }
}

TEST(ReadFontValues, WholeFileWithEachSeparator) {
    for (const char* separator : {"\r\n", "\n", "\r", ","}) {
        std::string text;
        for (int i = 0; i < kHindiCount; ++i) {
            text += std::to_string(i % 256) + separator;
        }
        Values values = read(text);
        for (int i = 0; i < kHindiCount; ++i) {
            ASSERT_EQ(values[static_cast<std::size_t>(i)], i % 256) << "value " << i;
        }
    }
}

TEST(ReadFontValues, FieldsThatDoNotConvert) {
    struct Case {
        const char* name;
        std::string text;
        ErrorCode code;
        long line;
        std::string value;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::string nul(
        "1\0"
        "2",
        3);
    const Case cases[] = {
        {"empty field", "1,,3\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch, 1, ""},
        {"letters", "0\r\nabc\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch, 2, "abc"},
        {"value number 40 is 256", zeroLines(40) + "256\r\n" + zeroLines(kHindiCount - 41),
         ErrorCode::Overflow, 41, "256"},
        {"first failure wins", "0\r\nx\r\n999\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch, 2, "x"},
        {"byte-order mark", bom + "5\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch, 1, bom + "5"},
        {"NUL byte", nul + "\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch, 1, "1\\x002"},
        {"300 characters", std::string(300, 'x') + "\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch,
         1, std::string(40, 'x') + "..."},
        {"blank line", "1\r\n\r\n" + zeroLines(kHindiCount), ErrorCode::TypeMismatch, 2, ""},
        {"many commas", std::string(5000, ','), ErrorCode::TypeMismatch, 1, ""},
        {"digits beyond the longest kept field", std::string(5000, '0') + "\r\n" + zeroLines(kHindiCount),
         ErrorCode::TypeMismatch, 1, std::string(40, '0') + "..."},
    };
    for (const Case& c : cases) {
        Error e = readError(c.text);
        EXPECT_EQ(e.code(), c.code) << c.name;
        EXPECT_EQ(e.place().line, c.line) << c.name;
        EXPECT_TRUE(e.place().hasValue) << c.name;
        EXPECT_EQ(e.place().value, c.value) << c.name;
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
        {"one short without last line end", zeroLines(kHindiCount - 2) + "0", FontKind::Hindi,
         kHindiCount - 1, kHindiCount - 1},
        {"too few wins over a bad field", "abc\r\n" + zeroLines(10), FontKind::Hindi, 11, 11},
        {"only commas", std::string(100, ','), FontKind::Hindi, 1, 101},
        {"only blank lines", std::string(100, '\n'), FontKind::Hindi, 100, 100},
        {"Hindi file read as Jukta512", zeroLines(kHindiCount), FontKind::Jukta512, kHindiCount, kHindiCount},
        {"high bytes without separators", std::string(3000, '\xC3'), FontKind::Hindi, 1, 1},
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
    std::mt19937 random(7);
    auto font = randomFont(random, FontKind::Hindi);
    const std::string text = formatFontText(*font);
    test::EndlessSource source(text, "garbage that must not be looked at,", 1 << 20);
    std::istream in(&source);
    Values values = readFontValues(in, FontKind::Hindi);
    EXPECT_EQ(values, read(text));
    EXPECT_LE(source.served(), text.size() + FieldReader::kBufferSize);
}

TEST(ReadFontValues, Jukta512FileReadAsHindiGivesItsFirst128Records) {
    std::mt19937 random(11);
    auto font = randomFont(random, FontKind::Jukta512);
    Values jukta = read(formatFontText(*font), FontKind::Jukta512);
    Values hindi = read(formatFontText(*font), FontKind::Hindi);
    ASSERT_EQ(jukta.size(), static_cast<std::size_t>(kJuktaCount));
    EXPECT_EQ(hindi, Values(jukta.begin(), jukta.begin() + kHindiCount));
}

TEST(FormatFontText, LineCountsAndNothingButDecimalLinesWithCrLf) {
    std::mt19937 random(3);
    const std::regex decimal("0|[1-9][0-9]{0,2}");
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        auto font = randomFont(random, kind);
        const std::string text = formatFontText(*font);
        std::vector<std::string> lines = splitCrLfLines(text);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(kind == FontKind::Hindi ? 4352 : 18432));
        for (const std::string& line : lines) {
            ASSERT_TRUE(std::regex_match(line, decimal)) << '"' << line << '"';
        }
    }
}

TEST(FormatFontText, Layout) {
    auto font = std::make_unique<FontTables>();
    // Glyph 0: width 8, Consonant, centre 4, every LED dark.
    font->FontData.set(0, 0, 8);
    font->FontData.set(0, 1, 4);
    for (int b = 2; b < 34; ++b) {
        font->FontData.set(0, b, 255);
    }
    font->FontData.set(1, 0, 12);
    font->FontData.set(0, 34, 99);  // beyond the record: never written
    for (int g = 0; g < 512; ++g) {
        font->JuktaData.set(g, 0, g % 128);
        font->JuktaData.set(g, 1, 255 - g % 128);
    }

    std::vector<std::string> hindi = splitCrLfLines(formatFontText(*font));
    EXPECT_EQ(hindi[0], "8");
    EXPECT_EQ(hindi[1], "4");
    EXPECT_EQ(hindi[2], "255");
    EXPECT_EQ(hindi[33], "255");
    EXPECT_EQ(hindi[34], "12") << "glyph 1 begins on line 35";

    font->JuktaMode = true;
    std::vector<std::string> jukta = splitCrLfLines(formatFontText(*font));
    for (int g = 0; g < 512; ++g) {
        ASSERT_EQ(jukta[static_cast<std::size_t>(17408 + 2 * g)], std::to_string(g % 128)) << g;
        ASSERT_EQ(jukta[static_cast<std::size_t>(17409 + 2 * g)], std::to_string(255 - g % 128)) << g;
    }
}

TEST(FontText, EveryWrittenFontReadsBackToTheSameValues) {
    std::mt19937 random(20240502);
    for (int round = 0; round < 30; ++round) {
        for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
            auto font = randomFont(random, kind);
            const std::string text = formatFontText(*font);
            auto loaded = std::make_unique<FontTables>();
            loaded->JuktaMode = font->JuktaMode;
            storeFontValues(*loaded, kind, read(text, kind));
            ASSERT_EQ(formatFontText(*loaded), text);
            for (int g = 0; g < glyphCount(kind); ++g) {
                for (int b = 0; b < kRecordBytes; ++b) {
                    ASSERT_EQ(loaded->FontData(g, b), font->FontData(g, b));
                }
            }
        }
    }
}

TEST(StoreFontValues, TouchesOnlyTheRowsOfItsKind) {
    for (FontKind kind : {FontKind::Hindi, FontKind::Jukta512}) {
        std::mt19937 random(5);
        auto before = randomFont(random, FontKind::Hindi);
        before->CurChar = 77;
        before->FontFile = "font.txt";
        before->CharMap.set(3, 9);
        before->HexImage.set(100, 9);
        Values values(static_cast<std::size_t>(valueCount(kind)));
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = static_cast<std::uint8_t>(i * 7 + 1);
        }

        auto after = std::make_unique<FontTables>(*before);
        storeFontValues(*after, kind, values);

        auto expected = std::make_unique<FontTables>(*before);
        for (int g = 0; g < glyphCount(kind); ++g) {
            for (int b = 0; b < kRecordBytes; ++b) {
                expected->FontData.set(g, b, values[static_cast<std::size_t>(34 * g + b)]);
            }
        }
        if (kind == FontKind::Jukta512) {
            for (int g = 0; g < 512; ++g) {
                expected->JuktaData.set(g, 0, values[static_cast<std::size_t>(17408 + 2 * g)]);
                expected->JuktaData.set(g, 1, values[static_cast<std::size_t>(17409 + 2 * g)]);
            }
        }
        EXPECT_TRUE(*after == *expected);
        EXPECT_EQ(after->FontData(1, 0), values[34]);
        EXPECT_EQ(after->FontData(0, 34), before->FontData(0, 34));
        EXPECT_EQ(after->FontData(glyphCount(kind), 0), before->FontData(glyphCount(kind), 0));
    }
}

TEST(StoreFontValues, RefusesAnIncompleteSet) {
    auto tables = std::make_unique<FontTables>();
    Values tooFew(kHindiCount - 1, 1);
    EXPECT_THROW(storeFontValues(*tables, FontKind::Hindi, tooFew), Error);
    EXPECT_TRUE(*tables == FontTables{});
}

}  // namespace
}  // namespace ledfont
