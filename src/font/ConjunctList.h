#pragma once

#include <filesystem>
#include <istream>
#include <string>

namespace ledfont {

// Conjunct lists arrive as 128 hexadecimal bytes with a two-character prefix ("0x7F"), comma or line
// separated. The conversion reads exactly 128 fields and turns each into its decimal line (CR LF): the first
// two characters are dropped and the rest must be hexadecimal digits of a value 0..255. A field of fewer than
// three characters or with other characters is TypeMismatch, a value above 255 Overflow, fewer than 128
// fields InputPastEndOfFile; each field is judged as soon as it is read, and errors carry its line and text.
std::string convertConjunctList(std::istream& in);

// convertConjunctList that then looks one byte further and sets `moreFollow` when the input goes on after
// the 128 values, which a longer list would lose unseen.
std::string convertConjunctList(std::istream& in, bool& moreFollow);

// The conversion from file to file. The output is written, atomically, only when all 128 values converted,
// so a failure leaves an existing output file as it was. Errors carry the path they concern.
void convertConjunctFile(const std::filesystem::path& in, const std::filesystem::path& out);
void convertConjunctFile(const std::filesystem::path& in, const std::filesystem::path& out, bool& moreFollow);

}  // namespace ledfont
