// The conjunct list conversion on arbitrary bytes: it returns the 128 decimal lines the rules give, or the
// error of the first field that fails (or of an input that ends too early), with its line.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "FuzzModel.h"
#include "font/ConjunctList.h"
#include "font/FieldReader.h"

namespace ledfont::fuzz {
namespace {

constexpr std::size_t kConjuncts = 128;

struct Expected {
    std::string text;
    bool ok = false;
    ErrorCode error = ErrorCode::TypeMismatch;
    long line = 0;
};

Expected expectedConversion(std::string_view input) {
    ModelFields split = splitFields(input);
    Expected e;
    for (std::size_t i = 0; i < kConjuncts; ++i) {
        if (i == split.fields.size()) {
            e.error = ErrorCode::InputPastEndOfFile;
            e.line = split.endLine;
            return e;
        }
        const ModelField& f = split.fields[i];
        Conversion c;
        if (f.text.size() > 2 && f.text.size() <= FieldReader::kMaxFieldChars) {
            c = modelTextToByte("&H" + f.text.substr(2));
        }
        if (!c.value) {
            e.error = c.error;
            e.line = f.line;
            return e;
        }
        e.text += std::to_string(*c.value) + "\r\n";
    }
    e.ok = true;
    return e;
}

}  // namespace
}  // namespace ledfont::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledfont;
    using namespace ledfont::fuzz;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Expected e = expectedConversion(bytes);
    InputBuffer buffer(bytes);
    std::istream in(&buffer);
    try {
        std::string out = convertConjunctList(in);
        check(e.ok, "converter accepted a bad list");
        check(out == e.text, "converter wrote the wrong lines");
    } catch (const Error& error) {
        check(!e.ok, "converter failed on a good list");
        check(error.code() == e.error, "converter gave the wrong error");
        check(error.place().line == e.line, "converter gave the wrong line");
    }
    return 0;
}
