#include "font/TextToByte.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

#include <string>

#include "font/Error.h"

namespace ledfont {
namespace {

TEST(TextToByte, NumbersThatConvert) {
    const std::pair<std::string, int> cases[] = {
        {"007", 7},
        {"  42 ", 42},
        {"\t9\t", 9},
        {"&H1F", 31},
        {"&h1f", 31},
        {"&HFF", 255},
        {"&H0000FF", 255},
        {"&H0", 0},
        {"255", 255},
        {"0", 0},
        {std::string(39, '0') + "1", 1},
    };
    for (auto [text, value] : cases) {
        EXPECT_EQ(textToByte(text), value) << '"' << text << '"';
    }
    for (int v = 0; v <= 255; ++v) {
        EXPECT_EQ(textToByte(std::to_string(v)), v);
        EXPECT_EQ(textToByte("&H" + byteToHexText(static_cast<std::uint8_t>(v))), v);
    }
}

TEST(TextToByte, MismatchAndOverflow) {
    const std::pair<const char*, ErrorCode> cases[] = {
        {"", ErrorCode::TypeMismatch},     {"   ", ErrorCode::TypeMismatch},
        {"abc", ErrorCode::TypeMismatch},  {"-1", ErrorCode::TypeMismatch},
        {"+1", ErrorCode::TypeMismatch},   {"1.0", ErrorCode::TypeMismatch},
        {"1e2", ErrorCode::TypeMismatch},  {"1 2", ErrorCode::TypeMismatch},
        {"&H", ErrorCode::TypeMismatch},   {"&HG", ErrorCode::TypeMismatch},
        {"0x1F", ErrorCode::TypeMismatch}, {"999x", ErrorCode::TypeMismatch},
        {"9x", ErrorCode::TypeMismatch},   {"x9", ErrorCode::TypeMismatch},
        {"256", ErrorCode::Overflow},      {"&H100", ErrorCode::Overflow},
        {"1000", ErrorCode::Overflow},     {"1234567890123456789012345678901234567890", ErrorCode::Overflow},
    };
    for (auto [text, code] : cases) {
        const Error e = test::errorOf([text = text] { (void)textToByte(text); });
        EXPECT_EQ(e.code(), code) << '"' << text << '"';
    }
}

TEST(ByteToHexText, TwoUpperCaseDigits) {
    const std::pair<int, const char*> cases[] = {{0x00, "00"}, {0x0A, "0A"}, {0x7F, "7F"}, {0xAB, "AB"}};
    for (auto [byte, text] : cases) {
        EXPECT_EQ(byteToHexText(static_cast<std::uint8_t>(byte)), text);
    }
}

}  // namespace
}  // namespace ledfont
