#include "font/FieldReader.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "EndlessSource.h"
#include "font/Error.h"

namespace ledfont {
namespace {

using Fields = std::vector<std::pair<std::string, long>>;

struct ReadAll {
    Fields fields;
    long endLine = 0;
};

ReadAll readAll(const std::string& text) {
    std::istringstream in(text);
    FieldReader reader(in);
    ReadAll result;
    std::string field;
    long line = 0;
    while (reader.next(field, line)) {
        result.fields.emplace_back(field, line);
    }
    result.endLine = reader.endLine();
    return result;
}

struct Case {
    const char* name;
    std::string input;
    Fields fields;
    long endLine;
};

TEST(FieldReader, SplitsFieldsAndCountsLines) {
    const Case cases[] = {
        {"empty input", "", {}, 1},
        {"one value without line end", "7", {{"7", 1}}, 1},
        {"commas", "1,2,3", {{"1", 1}, {"2", 1}, {"3", 1}}, 1},
        {"mixed line ends", "1\r\n2\n3\r4", {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}}, 4},
        {"several a line", "1,2\r\n3,4\r\n", {{"1", 1}, {"2", 1}, {"3", 2}, {"4", 2}}, 2},
        {"blanks around", " \t1 , 2\t\r\n  3  ", {{"1", 1}, {"2", 1}, {"3", 2}}, 2},
        {"inner blanks kept", "1 \t2", {{"1 \t2", 1}}, 1},
        {"blank line is an empty field", "1\r\n\r\n2\r\n", {{"1", 1}, {"", 2}, {"2", 3}}, 3},
        {"comma before line end", "1,\r\n2", {{"1", 1}, {"", 1}, {"2", 2}}, 2},
        {"only commas", ",,", {{"", 1}, {"", 1}, {"", 1}}, 1},
        {"only line ends", "\n\n", {{"", 1}, {"", 2}}, 2},
        {"CR then CR LF", "\r\r\n", {{"", 1}, {"", 2}}, 2},
        {"LF then CR is two line ends", "1\n\r2", {{"1", 1}, {"", 2}, {"2", 3}}, 3},
        {"only blanks", "   ", {{"", 1}}, 1},
        {"blanks after the last line end", "1\r\n  ", {{"1", 1}, {"", 2}}, 2},
        {"NUL is an ordinary byte", std::string{'1', '\0', '2'}, {{std::string{'1', '\0', '2'}, 1}}, 1},
        {"quotes are ordinary bytes", "\"1,2\"", {{"\"1", 1}, {"2\"", 1}}, 1},
        {"byte order mark skipped", "\xEF\xBB\xBF 8\r\n0", {{"8", 1}, {"0", 2}}, 2},
        {"only a byte order mark", "\xEF\xBB\xBF", {}, 1},
        {"a mark after the start is data", "1,\xEF\xBB\xBF", {{"1", 1}, {"\xEF\xBB\xBF", 1}}, 1},
        {"fields around eight bytes long",
         "1234567,12345678,123456789\r\n ab ,c d,\te\t,,\r\n",
         {{"1234567", 1},
          {"12345678", 1},
          {"123456789", 1},
          {"ab", 2},
          {"c d", 2},
          {"e", 2},
          {"", 2},
          {"", 2}},
         2},
    };
    for (const Case& c : cases) {
        ReadAll got = readAll(c.input);
        EXPECT_EQ(got.fields, c.fields) << c.name;
        EXPECT_EQ(got.endLine, c.endLine) << c.name;
    }
}

TEST(FieldReader, CrLfSplitAcrossBufferRefillIsOneLineEnd) {
    // The CR is the last byte of the first buffer load, the LF the first of the second.
    std::string text = std::string(FieldReader::kBufferSize - 2, ' ') + "1\r\n2";
    ASSERT_EQ(text[FieldReader::kBufferSize - 1], '\r');
    EXPECT_EQ(readAll(text).fields, (Fields{{"1", 1}, {"2", 2}}));
}

TEST(FieldReader, ReadsNoFurtherThanTheFieldsAskedFor) {
    test::EndlessSource source("", "1,2\r\n", 1 << 20);
    std::istream in(&source);
    FieldReader reader(in);
    std::string field;
    long line = 0;
    for (int i = 0; i < 10000; ++i) {
        ASSERT_TRUE(reader.next(field, line));
        ASSERT_EQ(field, i % 2 == 0 ? "1" : "2");
        ASSERT_EQ(line, i / 2 + 1);
    }
    EXPECT_LE(source.served(), 5 * 10000 / 2 + FieldReader::kBufferSize);
}

TEST(FieldReader, LongFieldKeepsOnlyItsStart) {
    ReadAll got = readAll(std::string(5000, '9') + ",7," + "1" + std::string(5000, ' ') + "\n");
    ASSERT_EQ(got.fields.size(), 3u);
    EXPECT_EQ(got.fields[0].first, std::string(FieldReader::kMaxFieldChars, '9'));
    EXPECT_EQ(got.fields[1].first, "7");
    EXPECT_EQ(got.fields[2].first, "1") << "trailing blanks never make a field too long";

    std::istringstream in(std::string(5000, 'x') + ",7");
    FieldReader reader(in);
    std::string field;
    long line = 0;
    ASSERT_TRUE(reader.next(field, line));
    EXPECT_TRUE(reader.fieldCut());
    ASSERT_TRUE(reader.next(field, line));
    EXPECT_FALSE(reader.fieldCut());
}

// A field without end is cut as soon as it is too long; its rest is read only when a next field is asked for.
TEST(FieldReader, CutFieldReturnsWithoutReadingItsRest) {
    for (const std::string& tail :
         {std::string(64, '9'), std::string(64, '\0'), std::string(32, '1') + " \t"}) {
        test::EndlessSource source("", tail, 1 << 20);
        std::istream in(&source);
        FieldReader reader(in);
        std::string field;
        long line = 0;
        ASSERT_TRUE(reader.next(field, line));
        EXPECT_TRUE(reader.fieldCut());
        EXPECT_EQ(field.size(), FieldReader::kMaxFieldChars);
        EXPECT_LE(source.served(), 2 * FieldReader::kBufferSize);
    }
}

// A field as the loader sees it: plain values by their value, anything else by its text.
std::string loaded(const std::string& field) {
    const bool plain = !field.empty() && field.size() <= 3 &&
                       field.find_first_not_of("0123456789") == std::string::npos && std::stoi(field) <= 255;
    return plain ? std::to_string(std::stoi(field)) : field;
}

// Reads `text` taking plain values in runs of at most `run`, and every other field with next().
ReadAll readMixed(const std::string& text, std::size_t run, std::size_t& taken) {
    std::istringstream in(text);
    FieldReader reader(in);
    ReadAll result;
    std::string field;
    long line = 0;
    std::vector<std::uint8_t> values(run);
    taken = 0;
    for (;;) {
        const std::size_t n = reader.takePlainValues(values.data(), run);
        for (std::size_t i = 0; i < n; ++i) {
            result.fields.emplace_back(std::to_string(values[i]),
                                       reader.endLine() - static_cast<long>(n - 1 - i));
        }
        taken += n;
        if (n == run) {
            continue;
        }
        if (!reader.next(field, line)) {
            break;
        }
        result.fields.emplace_back(loaded(field), line);
    }
    result.endLine = reader.endLine();
    return result;
}

TEST(FieldReader, PlainValuesInRunsMatchFieldByField) {
    std::string plain;
    for (int i = 0; i < 3000; ++i) {
        plain += std::to_string(i * 37 % 300) + "\r\n";
    }
    ASSERT_GT(plain.size(), 2 * FieldReader::kBufferSize);
    const std::string odd[] = {" 1", "2 ", "256", "0007", "&H1F", "", "1\n", "1\r", "1,", "x", "-1", "1e"};
    std::vector<std::string> texts{plain, plain.substr(0, plain.size() - 1), "7\r\n" + plain + "8"};
    for (std::size_t i = 0; i < std::size(odd); ++i) {
        // The odd field at varying places, some of them inside a block of line ends or at a buffer's end.
        const std::size_t at = plain.find("\r\n", (i * 997 + 61) % plain.size()) + 2;
        texts.push_back(plain.substr(0, at) + odd[i] + "\r\n" + plain.substr(at));
    }
    for (std::size_t t = 0; t < texts.size(); ++t) {
        ReadAll expected = readAll(texts[t]);
        for (auto& f : expected.fields) {
            f.first = loaded(f.first);
        }
        for (std::size_t run : {std::size_t{1}, std::size_t{5}, std::size_t{100000}}) {
            std::size_t taken = 0;
            ReadAll got = readMixed(texts[t], run, taken);
            EXPECT_EQ(got.fields, expected.fields) << "text " << t << ", runs of " << run;
            EXPECT_EQ(got.endLine, expected.endLine) << "text " << t << ", runs of " << run;
            EXPECT_GT(taken, expected.fields.size() / 2) << "text " << t << ", runs of " << run;
        }
    }
}

// A stream whose device fails on the first read.
class FailingSource : public std::streambuf {
  protected:
    int_type underflow() override { throw std::runtime_error("device failed"); }
};

TEST(FieldReader, FailingStreamIsADeviceError) {
    FailingSource source;
    std::istream in(&source);
    FieldReader reader(in);
    std::string field;
    long line = 0;
    const Error e = test::errorOf([&] { reader.next(field, line); });
    EXPECT_EQ(e.code(), ErrorCode::DeviceIOError);
}

}  // namespace
}  // namespace ledfont
