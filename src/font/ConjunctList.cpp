#include "font/ConjunctList.h"

#include <string_view>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FieldReader.h"
#include "font/InputFile.h"
#include "font/TextToByte.h"
#include "font/WriteFile.h"

namespace ledfont {

namespace {

constexpr int kConjunctCount = 128;
constexpr std::size_t kPrefixChars = 2;

std::uint8_t conjunctByte(std::string_view field, bool cut) {
    if (cut || field.size() <= kPrefixChars) {
        throw Error(ErrorCode::TypeMismatch);
    }
    return textToByte("&H" + std::string(field.substr(kPrefixChars)));
}

}  // namespace

std::string convertConjunctList(std::istream& in) {
    bool moreFollow = false;
    return convertConjunctList(in, moreFollow);
}

std::string convertConjunctList(std::istream& in, bool& moreFollow) {
    FieldReader reader(in);
    std::string out;
    std::string field;
    long line = 0;
    for (int i = 0; i < kConjunctCount; ++i) {
        if (!reader.next(field, line)) {
            throw Error(ErrorCode::InputPastEndOfFile,
                        placeOfEnd(reader.endLine(), static_cast<std::size_t>(i), kConjunctCount));
        }
        try {
            out += std::to_string(conjunctByte(field, reader.fieldCut()));
        } catch (const Error& e) {
            throw Error(e.code(), placeOfField(line, field));
        }
        out += "\r\n";
    }
    moreFollow = reader.hasNext();
    return out;
}

void convertConjunctFile(const std::filesystem::path& in, const std::filesystem::path& out) {
    bool moreFollow = false;
    convertConjunctFile(in, out, moreFollow);
}

void convertConjunctFile(const std::filesystem::path& in, const std::filesystem::path& out,
                         bool& moreFollow) {
    std::string text = withPathOnError(in, [&] {
        std::ifstream input = openInputFile(in);
        return convertConjunctList(input, moreFollow);
    });
    writeFileAtomically(out, text);
}

}  // namespace ledfont
