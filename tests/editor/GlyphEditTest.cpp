#include <gtest/gtest.h>

#include <memory>
#include <variant>

#include "editor/GlyphTarget.h"
#include "editor/GlyphTools.h"
#include "editor/UndoHistory.h"

namespace ledfont::editor {
namespace {

// A draft from rows of '#' and '.', top row first; columns not given are dark.
GlyphDraft draftOf(std::initializer_list<const char*> rows) {
    GlyphDraft draft;
    int r = 0;
    for (const char* row : rows) {
        for (int c = 0; row[c] != '\0'; ++c) {
            draft.set(c, r, row[c] == '#');
        }
        ++r;
    }
    return draft;
}

TEST(GlyphTools, EachToolOnAKnownGlyph) {
    const GlyphDraft glyph =
        draftOf({"#..#", ".#..", "", "", "", "", "", "", "", "", "", "", "", "", "", "...#"});
    const struct {
        GlyphTool tool;
        int width;
        GlyphDraft expected;
    } cases[] = {
        {GlyphTool::ShiftLeft, 16,
         draftOf({"..#", "#...", "", "", "", "", "", "", "", "", "", "", "", "", "", "..#"})},
        {GlyphTool::ShiftRight, 16,
         draftOf({".#..#", "..#", "", "", "", "", "", "", "", "", "", "", "", "", "", "....#"})},
        {GlyphTool::ShiftUp, 16,
         draftOf({".#..", "", "", "", "", "", "", "", "", "", "", "", "", "", "...#"})},
        {GlyphTool::ShiftDown, 16, draftOf({"", "#..#", ".#.."})},
        {GlyphTool::FlipHorizontal, 3,
         draftOf({"..##", ".#..", "", "", "", "", "", "", "", "", "", "", "", "", "", "...#"})},
        {GlyphTool::FlipHorizontal, 4,
         draftOf({"#..#", "..#.", "", "", "", "", "", "", "", "", "", "", "", "", "", "#..."})},
        {GlyphTool::FlipVertical, 16,
         draftOf({"...#", "", "", "", "", "", "", "", "", "", "", "", "", "", ".#..", "#..#"})},
        {GlyphTool::Clear, 16, GlyphDraft{}},
        // Within a width of 3, column 3 stays as it is: nothing is lit beyond the width.
        {GlyphTool::ShiftRight, 3,
         draftOf({".#.#", "..#.", "", "", "", "", "", "", "", "", "", "", "", "", "", "...#"})},
        {GlyphTool::Fill, 3,
         draftOf({"####", "###.", "###", "###", "###", "###", "###", "###", "###", "###", "###", "###", "###",
                  "###", "###", "####"})},
        {GlyphTool::Invert, 3,
         draftOf({".###", "#.#.", "###", "###", "###", "###", "###", "###", "###", "###", "###", "###", "###",
                  "###", "###", "####"})},
        {GlyphTool::ShiftRight, 0, glyph},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(applyTool(c.tool, glyph, c.width), c.expected)
            << static_cast<int>(c.tool) << " width " << c.width;
    }
    const GlyphDraft inverted = applyTool(GlyphTool::Invert, glyph, 16);
    const GlyphDraft filled = applyTool(GlyphTool::Fill, glyph, 16);
    for (int c = 0; c < 16; ++c) {
        for (int r = 0; r < 16; ++r) {
            EXPECT_NE(inverted.lit(c, r), glyph.lit(c, r));
            EXPECT_TRUE(filled.lit(c, r));
        }
    }
}

TEST(GlyphTarget, IndicesCodesCharactersAndConjunctsOfEachKind) {
    // A conjunct typed as its letters goes to the first glyph from 128 on that holds its pair.
    auto font = std::make_unique<FontTables>();
    font->JuktaMode = true;
    const auto withPair = [&](int glyph, std::uint8_t first, std::uint8_t second) {
        Glyph value;
        value.pair = {first, second};
        setGlyph(*font, glyph, value, true);
    };
    withPair(0x15, 0x15, 0x37);  // below 128: a letter's own glyph, no conjunct
    withPair(0x90, 0x15, 0x37);
    withPair(0x91, 0x15, 0x37);
    withPair(0x1FF, 0x24, 0x30);
    const struct {
        const char* text;
        FontKind kind;
        int glyph;  // -1: refused
    } cases[] = {
        {"21", FontKind::Hindi, 21},
        {"0x15", FontKind::Hindi, 21},
        {"Code: 0915", FontKind::Hindi, 21},
        {"Code: 0915", FontKind::Jukta512, 0x15},  // the code point, as the prompt's example gives it
        {"Code: 015", FontKind::Jukta512, 0x15},   // the label's three digits
        {"Code: 1FF", FontKind::Jukta512, 511},
        {"U+0915", FontKind::Hindi, 21},
        {"u+0915", FontKind::Jukta512, 0x15},
        {"U+097F", FontKind::Hindi, 0x7F},
        {"U+0980", FontKind::Hindi, -1},
        {"U+08FF", FontKind::Jukta512, -1},
        {"U+", FontKind::Hindi, -1},
        {"\xE0\xA4\x95", FontKind::Jukta512, 0x15},
        {"128", FontKind::Hindi, -1},
        {"511", FontKind::Jukta512, 511},
        {"-1", FontKind::Hindi, -1},
        {"15x", FontKind::Hindi, -1},
        {"\xE0\xA5\xBF", FontKind::Hindi, 0x7F},
        {"\xE0\xA6\x95", FontKind::Hindi, -1},
        {"\xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xB7", FontKind::Jukta512, 0x90},     // KSSA
        {" \xE0\xA4\xA4\xE0\xA5\x8D\xE0\xA4\xB0 ", FontKind::Jukta512, 0x1FF},  // TRA
        {"\xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xA4", FontKind::Jukta512, -1},       // KTA: no glyph holds it
        {"\xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xB7", FontKind::Hindi, -1},          // no conjuncts there
        {"\xE0\xA4\x95\xE0\xA4\xBF", FontKind::Jukta512, -1},                   // KA and the I sign
        {"\xE0\xA4\x95\xE0\xA5\x8D", FontKind::Jukta512, -1},                   // KA and the halant
    };
    for (const auto& c : cases) {
        const auto target = glyphTarget(c.text, c.kind, font.get());
        if (c.glyph < 0) {
            EXPECT_TRUE(std::holds_alternative<std::string>(target)) << c.text;
        } else {
            ASSERT_TRUE(std::holds_alternative<int>(target))
                << c.text << ": " << std::get<std::string>(target);
            EXPECT_EQ(std::get<int>(target), c.glyph) << c.text;
        }
    }
}

TEST(UndoHistory, KeepsItsLimitAndLabelsAndDropsTheRedoOnANewStep) {
    UndoHistory<int> history(3);
    EXPECT_EQ(history.undoLabel(), "");
    for (int state = 0; state < 5; ++state) {
        history.push(state, "step " + std::to_string(state));
    }
    int now = 5;
    std::vector<int> back;
    std::vector<std::string> labels;
    while (history.canUndo()) {
        labels.push_back(history.undoLabel());
        back.push_back(now = history.undo(now));
    }
    EXPECT_EQ(back, (std::vector<int>{4, 3, 2}));
    EXPECT_EQ(labels, (std::vector<std::string>{"step 4", "step 3", "step 2"}));
    EXPECT_EQ(history.redoLabel(), "step 2");
    EXPECT_EQ(history.redo(now), 3);
    EXPECT_EQ(history.undoLabel(), "step 2");
    history.push(9);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redoLabel(), "");
}

}  // namespace
}  // namespace ledfont::editor
