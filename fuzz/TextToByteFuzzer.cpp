// textToByte on arbitrary text against the model of the rule, and on 40-digit decimal and hexadecimal
// numbers made from the input, so that long numbers are exercised on every run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzModel.h"
#include "font/TextToByte.h"

namespace ledfont::fuzz {
namespace {

void compare(std::string_view text) {
    Conversion expected = modelTextToByte(text);
    try {
        std::uint8_t value = textToByte(text);
        check(expected.value.has_value(), "textToByte accepted a bad text");
        check(value == *expected.value, "textToByte gave the wrong value");
    } catch (const Error& e) {
        check(!expected.value.has_value(), "textToByte refused a good text");
        check(e.code() == expected.error, "textToByte gave the wrong error");
    }
}

// A number of `digits` digits from the input bytes; mostly non-zero, so mostly an overflow, but inputs
// starting with many bytes that map to '0' give long numbers of small value.
std::string longNumber(std::string_view bytes, std::string_view prefix, int base, std::size_t digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(prefix);
    for (std::size_t i = 0; i < digits; ++i) {
        auto b = static_cast<unsigned char>(bytes[i % bytes.size()]);
        text += kDigits[b % base];
    }
    return text;
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont::fuzz;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    compare(bytes);
    if (!bytes.empty()) {
        compare(longNumber(bytes, "", 10, 40));
        compare(longNumber(bytes, "&H", 16, 40));
        compare(longNumber(bytes, " &h", 16, 3));
    }
    return 0;
}
