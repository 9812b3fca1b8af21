# cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DNAMESPACE=NS -DFUNCTION=NAME -P EmbedText.cmake
# Writes a C++ source whose NS::NAME() returns the bytes of FILE as a std::string_view, so the program carries
# the file and needs no source tree at run time. The bytes go in as numbers: no escaping, no limit on the
# length of a string literal.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR bytes "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
# A line of the array for each line of the text.
string(REPLACE "0x0a," "0x0a,\n" hex "${hex}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.new" "// Made from ${name} by EmbedText.cmake at build time.
#include <string_view>

namespace ${NAMESPACE} {

namespace {
constexpr unsigned char kBytes[${bytes} + 1] = {
${hex}
0};
}  // namespace

std::string_view ${FUNCTION}() {
    return {reinterpret_cast<const char*>(kBytes), ${bytes}};
}

}  // namespace ${NAMESPACE}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
