#pragma once

#include <string>
#include <string_view>

namespace ledfont::compose {

constexpr char32_t kReplacement = 0xFFFD;

// The code points of UTF-8 text. A byte that does not begin a well-formed sequence (overlong forms,
// surrogates and values above U+10FFFF included) becomes U+FFFD, so bad text still composes and shows
// where it went wrong.
std::u32string decodeUtf8(std::string_view text);

// The UTF-8 bytes of one code point; U+FFFD for what is not one.
std::string encodeUtf8(char32_t code);
std::string encodeUtf8(std::u32string_view text);

}  // namespace ledfont::compose
