#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compose/Proof.h"

namespace ledfont::compose {
namespace {

// A picture drawn as rows of '#' and '.', row 0 first, as LED columns.
std::vector<std::uint16_t> picture(const std::vector<std::string>& rows) {
    std::size_t width = 0;
    for (const std::string& row : rows) {
        width = std::max(width, row.size());
    }
    std::vector<std::uint16_t> columns(width);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] == '#') {
                columns[c] |= static_cast<std::uint16_t>(1u << r);
            }
        }
    }
    return columns;
}

TEST(ReadingRows, TakeTheHeadlineAndTheBodyFromKa) {
    Glyph ka;
    const auto columns = picture({"", "", "##########", "##########", "....#", "....#", "....#"});
    std::copy(columns.begin(), columns.end(), ka.columns.begin());
    EXPECT_EQ(readingRows(ka), (ReadingRows{2, 3, 6, 3}));
}

// Rows 0-1 above the headline, the headline on row 2, the body down to row 5, row 6 below.
TEST(ComparePictures, NamesWhatMakesAWordReadOtherwise) {
    const ReadingRows rows{2, 2, 5, 2};
    // Two letters with a dot over the second, and a sign below the first.
    const std::vector<std::string> source = {
        "......#..",  //
        "..##.....",  //
        "#########",  //
        ".#...#...",  //
        ".#...#...",  //
        ".#...#...",  //
        ".##......",
    };
    struct Case {
        const char* what;
        std::vector<std::string> sign;
        std::vector<Mismatch> expected;
    } cases[] = {
        {"the same", source, {}},
        {"a spacing column and a shift of a column",
         {".......#...", "...##......", "##########.", "..#....#...", "..#....#...", "..#....#...",
          "..##......."},
         {}},
        {"a dark column in the headline",
         {"......#..", "..##.....", "####.####", ".#...#...", ".#...#...", ".#...#...", ".##......"},
         {Mismatch::HeadlineGap}},
        {"the dot run into the sign above",
         {"..####...", "..##.....", "#########", ".#...#...", ".#...#...", ".#...#...", ".##......"},
         {Mismatch::LostSign}},
        {"the dot gone",
         {".........", "..##.....", "#########", ".#...#...", ".#...#...", ".#...#...", ".##......"},
         {Mismatch::LostSign}},
        {"the sign below moved to the other letter",
         {"......#..", "..##.....", "#########", ".#...#...", ".#...#...", ".#...#...", ".....##.."},
         {Mismatch::MisplacedSign}},
        {"a letter of another shape",
         {"......#..", "..##.....", "#########", ".#..###..", ".#..#.#..", ".#..###..", ".##......"},
         {Mismatch::LettersDiffer}},
        {"nothing drawn", {}, {Mismatch::LostSign, Mismatch::LettersDiffer}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(comparePictures(picture(c.sign), picture(source), rows), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace ledfont::compose
