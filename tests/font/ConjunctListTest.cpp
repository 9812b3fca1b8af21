#include "font/ConjunctList.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "EndlessSource.h"
#include "font/Error.h"
#include "font/TextToByte.h"
#include "support/TestFiles.h"

namespace ledfont {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> hexFields() {
    std::vector<std::string> fields;
    for (int i = 0; i < 128; ++i) {
        fields.push_back("0x" + byteToHexText(static_cast<std::uint8_t>(i)));
    }
    return fields;
}

std::string join(const std::vector<std::string>& fields, const std::string& separator) {
    std::string text;
    for (const std::string& field : fields) {
        text += field + separator;
    }
    return text;
}

std::string decimalLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(i) + "\r\n";
    }
    return text;
}

std::string convert(const std::string& text) {
    std::istringstream in(text);
    return convertConjunctList(in);
}

TEST(ConjunctList, OnePerLineOrCommaSeparatedGivesDecimalLines) {
    for (const char* separator : {"\r\n", "\n", ",", " , "}) {
        EXPECT_EQ(convert(join(hexFields(), separator)), decimalLines(128)) << '"' << separator << '"';
    }
}

TEST(ConjunctList, PrefixIsDroppedWhateverItIs) {
    std::vector<std::string> fields(128, "0x00");
    fields[0] = "0xff";
    fields[1] = "&HFF";
    fields[2] = "zz7F";
    fields[3] = "0x0000000A";
    std::string out = convert(join(fields, "\r\n"));
    EXPECT_EQ(out.substr(0, 19), "255\r\n255\r\n127\r\n10\r\n");
}

TEST(ConjunctList, FieldsAfterThe128thAreNotRead) {
    test::EndlessSource source(join(hexFields(), "\r\n"), "not a field,", 1 << 20);
    std::istream in(&source);
    EXPECT_EQ(convertConjunctList(in), decimalLines(128));
}

TEST(ConjunctList, FieldsThatDoNotConvert) {
    struct Case {
        std::string field;
        ErrorCode code;
    };
    const Case cases[] = {
        {"0x100", ErrorCode::Overflow},    {"0xZZ", ErrorCode::TypeMismatch},
        {"0x", ErrorCode::TypeMismatch},   {"7", ErrorCode::TypeMismatch},
        {"", ErrorCode::TypeMismatch},     {"0x-1", ErrorCode::TypeMismatch},
        {"0x 7", ErrorCode::TypeMismatch}, {"0x7G", ErrorCode::TypeMismatch},
        {"0x1FF", ErrorCode::Overflow},    {std::string(3000, '1'), ErrorCode::TypeMismatch},
    };
    for (const Case& c : cases) {
        std::vector<std::string> fields = hexFields();
        fields[5] = c.field;
        const Error e = test::errorOf([&] { convert(join(fields, "\r\n")); });
        EXPECT_EQ(e.code(), c.code) << c.field;
        EXPECT_EQ(e.place().line, 6) << c.field;
        EXPECT_EQ(e.place().value, displayValue(c.field)) << c.field;
    }
}

TEST(ConjunctFile, WritesTheOutputOnlyWhenAllConverted) {
    test::TempFolder folder;
    test::writeFile(folder / "in.txt", join(hexFields(), "\r\n"));
    convertConjunctFile(folder / "in.txt", folder / "out.txt");
    EXPECT_EQ(test::readFile(folder / "out.txt"), decimalLines(128));

    std::vector<std::string> fields = hexFields();
    fields.pop_back();
    test::writeFile(folder / "short.txt", join(fields, "\r\n"));
    test::writeFile(folder / "bad.txt", "0x1,0xZZ\r\n");
    const std::string before = "kept\r\n";
    test::writeFile(folder / "out.txt", before);
    const std::tuple<const char*, ErrorCode, long> cases[] = {
        {"short.txt", ErrorCode::InputPastEndOfFile, 127},  // 127 fields
        {"bad.txt", ErrorCode::TypeMismatch, 1},
    };
    for (auto [input, code, line] : cases) {
        const Error e =
            test::errorOf([&, input = input] { convertConjunctFile(folder / input, folder / "out.txt"); });
        EXPECT_EQ(e.code(), code) << input;
        EXPECT_EQ(e.place().line, line) << input;
        EXPECT_EQ(e.place().path, (folder / input).string());
        EXPECT_EQ(test::readFile(folder / "out.txt"), before) << input;
    }
    EXPECT_EQ(folder.names(), (std::set<std::string>{"in.txt", "short.txt", "bad.txt", "out.txt"}));
}

TEST(ConjunctFile, ErrorsNameTheFileConcerned) {
    test::TempFolder folder;
    test::writeFile(folder / "in.txt", join(hexFields(), ","));
    struct Case {
        fs::path in;
        fs::path out;
        ErrorCode code;
        fs::path named;
    };
    const Case cases[] = {
        {folder / "missing.txt", folder / "out.txt", ErrorCode::FileNotFound, folder / "missing.txt"},
        {folder / "in.txt", folder / "nowhere" / "out.txt", ErrorCode::PathNotFound,
         folder / "nowhere" / "out.txt"},
        {folder / "in.txt", folder.path(), ErrorCode::PathFileAccessError, folder.path()},
    };
    for (const Case& c : cases) {
        const Error e = test::errorOf([&] { convertConjunctFile(c.in, c.out); });
        EXPECT_EQ(e.code(), c.code) << e.what();
        EXPECT_EQ(e.place().path, c.named.string());
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{"in.txt"});
}

}  // namespace
}  // namespace ledfont
