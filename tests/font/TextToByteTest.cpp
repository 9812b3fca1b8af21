#include "font/TextToByte.h"

#include <gtest/gtest.h>

#include <string>

#include "font/Error.h"

namespace ledfont {
namespace {

TEST(TextToByte, NumbersThatConvert) {
    const std::pair<std::string, int> cases[] = {
        {"0", 0},      {"7", 7},          {"255", 255}, {"007", 7},
        {"  42 ", 42}, {"\t9\t", 9},      {"&H1F", 31}, {"&h1f", 31},
        {"&HFF", 255}, {"&H0000FF", 255}, {"&H0", 0},   {std::string(39, '0') + "1", 1},
    };
    for (auto [text, value] : cases) {
        EXPECT_EQ(textToByte(text), value) << '"' << text << '"';
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
        {"256", ErrorCode::Overflow},      {"&H100", ErrorCode::Overflow},
        {"1000", ErrorCode::Overflow},     {"1234567890123456789012345678901234567890", ErrorCode::Overflow},
    };
    for (auto [text, code] : cases) {
        try {
            (void)textToByte(text);
            ADD_FAILURE() << '"' << text << "\" converted";
        } catch (const Error& e) {
            EXPECT_EQ(e.code(), code) << '"' << text << '"';
        }
    }
}

TEST(TextToByte, EveryByteReadsBackFromItsDecimalText) {
    for (int v = 0; v <= 255; ++v) {
        EXPECT_EQ(textToByte(std::to_string(v)), v);
    }
}

TEST(ByteToHexText, TwoUpperCaseDigits) {
    EXPECT_EQ(byteToHexText(0), "00");
    EXPECT_EQ(byteToHexText(0x0A), "0A");
    EXPECT_EQ(byteToHexText(0x7F), "7F");
    EXPECT_EQ(byteToHexText(0xFF), "FF");
    for (int v = 0; v <= 255; ++v) {
        EXPECT_EQ(textToByte("&H" + byteToHexText(static_cast<std::uint8_t>(v))), v);
    }
}

}  // namespace
}  // namespace ledfont
