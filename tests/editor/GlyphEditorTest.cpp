#include "editor/GlyphEditor.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "editor/CanvasView.h"
#include "editor/Raster.h"
#include "font/FontText.h"
#include "support/ErrorOf.h"
#include "support/TestFiles.h"

namespace ledfont::editor {
namespace {

// An editor drawn on an in-memory canvas, as the window draws it.
class GlyphEditorTest : public ::testing::Test {
  protected:
    // Gives the editor `tables` as an import would, and shows `glyph` from them.
    void use(const FontTables& tables, int glyph) {
        editor.importFont(tables);
        editor.show(glyph);
    }
    FontTables withRecord(int glyph, int width, int kindCentre, int bitmap = -1) {
        FontTables tables = editor.font();
        tables.FontData.set(glyph, 0, width);
        tables.FontData.set(glyph, 1, kindCentre);
        for (int i = 2; bitmap >= 0 && i < kRecordBytes; ++i) {
            tables.FontData.set(glyph, i, bitmap);
        }
        return tables;
    }
    FontTables jukta() {
        FontTables tables = editor.font();
        tables.JuktaMode = true;
        return tables;
    }

    bool lit(int column, int row) const { return raster.pixel(10 * column + 5, 10 * row + 5) != kBlack; }
    int litCount() const {
        int count = 0;
        for (int cell = 0; cell < 256; ++cell) {
            count += lit(cell % 16, cell / 16) ? 1 : 0;
        }
        return count;
    }
    // The one green column, or -1 when none or several show.
    int greenLineX() const {
        int found = -1;
        for (int x = 0; x < Raster::kSize; ++x) {
            if (raster.pixel(x, 3) == kLimitGreen) {
                if (found >= 0) {
                    return -1;
                }
                found = x;
            }
        }
        return found;
    }
    void expectMapMatchesPicture() const {
        const CharMapArray map = editor.charMap();
        for (int cell = 0; cell < 256; ++cell) {
            const int column = cell % 16, row = cell / 16;
            EXPECT_EQ((map(2 * column + row / 8) >> (row % 8)) & 1, lit(column, row) ? 0 : 1)
                << column << "," << row;
        }
    }
    std::vector<Colour> pixels() const { return {raster.pixels().begin(), raster.pixels().end()}; }
    void click(int button, float x, float y) {
        editor.beginStroke(button, x, y);
        editor.endStroke();
    }

    GlyphEditor editor;
    Raster raster;
    CanvasView view{editor, raster};
};

TEST_F(GlyphEditorTest, StartUpShowsTheListsFirstChoicesOnADarkGrid) {
    EXPECT_EQ(litCount(), 0);
    EXPECT_EQ(greenLineX(), 80);
    EXPECT_FLOAT_EQ(raster.markerLeft(), 240.0f);
    EXPECT_EQ(editor.draft().width, 8);
    EXPECT_EQ(editor.draft().centre, 1);
    EXPECT_EQ(editor.shown().pairText, (std::array<std::string, 2>{"00", "01"}));
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.modified()) << "nothing loaded, nothing to lose";
}

// Showing a glyph clears the picture, draws the grid and the lit boxes, then the grid again with the limit
// line, as the width list draws them: nothing else is drawn.
TEST_F(GlyphEditorTest, ShowingAGlyphDrawsEachStepOnce) {
    editor.importFont(withRecord(5, 9, 0x13, 0xF0));  // rows 0..3 and 8..11 of every column lit
    const unsigned long before = raster.generation();
    editor.show(5);
    EXPECT_EQ(raster.generation() - before, 1u + 34u + 128u + 34u + 1u);
    EXPECT_EQ(greenLineX(), 90);
}

TEST_F(GlyphEditorTest, GlyphTwoNinetySixSetsTheCaptionForGood) {
    editor.importFont(jukta());
    editor.show(295);
    EXPECT_FALSE(editor.shown().caption);
    editor.show(296);
    EXPECT_EQ(editor.shown().caption, 16) << "a stored 0 is width 16";
    editor.next();
    editor.next();
    EXPECT_EQ(editor.glyph(), 298);
    EXPECT_EQ(editor.shown().caption, 16);
    use(withRecord(296, 5, 0), 296);
    EXPECT_EQ(editor.shown().caption, 5);
}

// How a record's width and kind byte show, and what storing it unchanged writes back.
TEST_F(GlyphEditorTest, RecordFieldsShownAndStored) {
    struct Case {
        int width, kindCentre, bitmap;
        int shownWidth, shownCentre, shownKind, lit, storedWidth, storedKind;
    };
    const Case cases[] = {
        {0, 0x00, 0x00, 16, 0, 0, 256, 16, 0x00},  // the zero record: width 16, all lit
        {6, 0x15, 0x0F, 6, 5, 1, 128, 6, 0x15},     {3, 0x21, 0xFF, 3, 1, 2, 0, 3, 0x21},
        {3, 0x34, 0xFF, 3, 4, 2, 0, 3, 0x24},        // kind 3 leaves the last kind set
        {200, 0x02, 0x0F, 16, 2, 0, 128, 16, 0x02},  // a width above 16 shows and stores 16
    };
    int glyph = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(glyph);
        use(withRecord(glyph, c.width, c.kindCentre, c.bitmap), glyph);
        const FontDataTable before = editor.font().FontData;
        EXPECT_EQ(editor.draft().width, c.shownWidth);
        EXPECT_EQ(greenLineX(), 10 * c.shownWidth);
        EXPECT_EQ(editor.draft().centre, c.shownCentre);
        EXPECT_EQ(editor.draft().kindNumber(), c.shownKind);
        EXPECT_EQ(litCount(), c.lit);
        editor.store(glyph);
        FontDataTable after = editor.font().FontData;
        EXPECT_EQ(after(glyph, 0), c.storedWidth);
        EXPECT_EQ(after(glyph, 1), c.storedKind);
        after.set(glyph, 0, c.width);
        after.set(glyph, 1, c.kindCentre);
        EXPECT_TRUE(after == before) << "the bitmap and other records stay";
        ++glyph;
    }
    // No centre: the marker stands one step left of the canvas.
    editor.show(0);
    EXPECT_FLOAT_EQ(raster.markerLeft(), 81.5625f);
}

// Any valid record, shown and stored without edits, stays as it was; so does its conjunct pair.
TEST_F(GlyphEditorTest, ShowAndStoreKeepsEveryValidRecord) {
    std::mt19937 random(77);
    auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (bool juktaMode : {false, true}) {
        FontTables tables = editor.font();
        tables.JuktaMode = juktaMode;
        for (int round = 0; round < 150; ++round) {
            const int glyph = draw(juktaMode ? 512 : 128);
            tables.FontData.set(glyph, 0, 1 + draw(16));
            tables.FontData.set(glyph, 1, 16 * draw(3) + 1 + draw(15));
            for (int i = 2; i < 34; ++i) {
                tables.FontData.set(glyph, i, draw(256));
            }
            tables.JuktaData.set(glyph, 0, draw(128));
            tables.JuktaData.set(glyph, 1, draw(128));
            use(tables, glyph);
            editor.store(glyph);
            ASSERT_TRUE(editor.font().FontData == tables.FontData) << "glyph " << glyph << " " << juktaMode;
            ASSERT_TRUE(editor.font().JuktaData == tables.JuktaData) << "glyph " << glyph;
        }
    }
}

TEST_F(GlyphEditorTest, ConjunctPairShownAndChosen) {
    FontTables tables = jukta();
    tables.JuktaData.set(4, 0, 0x0A);
    tables.JuktaData.set(4, 1, 0x33);
    use(tables, 4);
    EXPECT_EQ(editor.shown().pairText[0], "0A");
    EXPECT_EQ(editor.shown().pairEntry, (std::array<int, 2>{10, 0x33}));
    editor.setPairByte(1, 0x7F);
    EXPECT_EQ(editor.shown().pairText[1], "7F");
    EXPECT_EQ(editor.font().JuktaData(4, 1), 0x33) << "the table waits for the glyph to be stored";
    editor.store(4);
    EXPECT_EQ(editor.font().JuktaData(4, 1), 127);
    EXPECT_EQ(editor.font().JuktaData(4, 0), 0x0A);
}

TEST_F(GlyphEditorTest, ConjunctByteAboveSevenFShownAndKept) {
    FontTables tables = jukta();
    tables.JuktaData.set(8, 0, 0x9C);
    tables.JuktaData.set(8, 1, 0xFF);
    tables.JuktaData.set(9, 0, 0x12);
    use(tables, 8);
    EXPECT_EQ(editor.shown().pairText, (std::array<std::string, 2>{"9C", "FF"}));
    EXPECT_EQ(editor.shown().pairEntry, (std::array<int, 2>{-1, -1}));
    editor.next();
    EXPECT_EQ(editor.shown().pairEntry[0], 0x12);
    editor.previous();
    EXPECT_EQ(editor.font().JuktaData(8, 0), 0x9C);
    EXPECT_EQ(editor.font().JuktaData(8, 1), 0xFF);
    EXPECT_EQ(editor.shown().pairText[0], "9C");
}

TEST_F(GlyphEditorTest, NextRightAfterStartUp) {
    editor.next();
    const FontDataTable& font = editor.font().FontData;
    EXPECT_EQ(font(0, 0), 8);
    EXPECT_EQ(font(0, 1), 1);
    for (int i = 2; i < 34; ++i) {
        EXPECT_EQ(font(0, i), 0xFF) << i;
    }
    EXPECT_EQ(editor.glyph(), 1);
    EXPECT_EQ(litCount(), 256);
}

TEST_F(GlyphEditorTest, SteppingStopsAtBothEnds) {
    for (auto [juktaMode, last] : {std::pair{false, 127}, std::pair{true, 511}}) {
        FontTables tables = editor.font();
        tables.JuktaMode = juktaMode;
        // Darkening the top-left cell of the first glyph, the top-right one of the last.
        for (auto [glyph, forward, x, byte] :
             {std::tuple{0, false, 3.0f, 2}, std::tuple{last, true, 158.0f, 32}}) {
            use(tables, glyph);
            click(kRightButton, x, 3);
            forward ? editor.next() : editor.previous();
            EXPECT_EQ(editor.glyph(), glyph) << "no wrap-around";
            EXPECT_EQ(editor.font().FontData(glyph, byte), 0x01) << "stored, then shown again";
            EXPECT_EQ(litCount(), 255);
            EXPECT_EQ(forward ? editor.canGoNext() : editor.canGoPrevious(), false);
        }
    }
}

TEST_F(GlyphEditorTest, HindiFontLeavesTheConjunctPairAlone) {
    FontTables tables = editor.font();
    tables.JuktaData.set(0, 0, 0x44);
    tables.JuktaData.set(1, 1, 0x55);
    use(tables, 0);
    editor.next();
    editor.next();
    editor.previous();
    EXPECT_EQ(editor.glyph(), 1);
    EXPECT_TRUE(editor.font().JuktaData == tables.JuktaData);
    EXPECT_EQ(editor.shown().pairText, (std::array<std::string, 2>{"00", "01"}));
    EXPECT_EQ(editor.shown().pairEntry[1], 1);
}

TEST_F(GlyphEditorTest, FailureWhileSteppingWritesNothing) {
    use(jukta(), 12);
    click(kRightButton, 3, 3);
    editor.setPairText(1, "Z?");
    const FontTables before = editor.font();
    EXPECT_EQ(test::errorOf([&] { editor.next(); }).code(), ErrorCode::TypeMismatch);
    EXPECT_TRUE(editor.font() == before) << "the record is not half-written";
    EXPECT_EQ(editor.glyph(), 12);

    // The editor goes on working once the text holds a byte again.
    editor.setPairByte(1, 0x7F);
    editor.next();
    EXPECT_EQ(editor.glyph(), 13);
    EXPECT_EQ(editor.font().FontData(12, 2), 0x01);
    EXPECT_EQ(editor.font().JuktaData(12, 1), 0x7F);
}

TEST_F(GlyphEditorTest, PressAndDragLightThenDarkenCells) {
    editor.beginStroke(kLeftButton, 25, 35);
    EXPECT_EQ(editor.charMap()(4), 0xF7) << "the press alone lights row 3 of column 2";
    for (int column = 3; column <= 6; ++column) {
        editor.paint(kLeftButton, 10.0f * static_cast<float>(column) + 5, 35);
    }
    editor.endStroke();
    EXPECT_EQ(litCount(), 5);
    EXPECT_TRUE(lit(2, 3) && lit(6, 3));
    editor.beginStroke(kRightButton, 45, 35);
    editor.paint(kRightButton, 55, 35);
    editor.endStroke();
    EXPECT_FALSE(lit(4, 3) || lit(5, 3));
    EXPECT_EQ(litCount(), 3);
    expectMapMatchesPicture();

    for (int buttons : {0, kLeftButton + kRightButton, kMiddleButton}) {
        editor.paint(buttons, 95, 95);  // a move with none, both or the middle button paints nothing
    }
    click(kMiddleButton, 105, 5);
    EXPECT_EQ(litCount(), 3);
    expectMapMatchesPicture();
}

TEST_F(GlyphEditorTest, APressPaintsByButtonAndTheMapFollows) {
    struct Case {
        int button;
        float x;
        int litColumn;  // -1: nothing visible changes
    };
    const Case cases[] = {{kLeftButton, 4.9f, 0},    {kLeftButton, 9.5f, 1},    {kLeftButton, 10.5f, 1},
                          {kLeftButton, 159.4f, 15}, {kLeftButton, 159.5f, -1}, {kMiddleButton, 50, -1}};
    for (const Case& c : cases) {
        editor.applyTool(GlyphTool::Clear);
        click(c.button, c.x, 4.9f);
        EXPECT_EQ(litCount(), c.litColumn < 0 ? 0 : 1) << c.x;
        EXPECT_TRUE(c.litColumn < 0 || lit(c.litColumn, 0)) << c.x;
        EXPECT_EQ(editor.charMap()(0), c.litColumn == 0 ? 0xFE : 0xFF) << c.x;
    }
    EXPECT_EQ(test::errorOf([&] { click(kLeftButton, 1e12f, 5); }).code(), ErrorCode::Overflow);
}

TEST_F(GlyphEditorTest, AMovePaintsOnlyWithLeftOrRightAlone) {
    for (int button : {0, 3, kMiddleButton, 5, 6, 7}) {
        editor.paint(button, 5, 5);
        EXPECT_FALSE(lit(0, 0)) << button;
    }
    editor.paint(kLeftButton, -9.4f, 5);
    EXPECT_TRUE(lit(0, 0)) << "-9.4 rounds to -9, which divides to column 0";
    EXPECT_EQ(editor.charMap()(0), 0xFE);
    editor.paint(kLeftButton, -9.5f, 15);
    EXPECT_FALSE(lit(0, 1)) << "-9.5 rounds to -10: column -1, off the picture";
    editor.paint(kRightButton, 5, 5);
    EXPECT_FALSE(lit(0, 0));
    EXPECT_EQ(editor.charMap()(0), 0xFF);
    click(kLeftButton, 25, 25);
    click(kRightButton, 25, 25);
    EXPECT_EQ(litCount(), 0) << "the right button darkens on a press too";
}

// A drag that the pointer crosses faster than one cell a move still paints every cell on its way.
TEST_F(GlyphEditorTest, AStrokeJoinsThePointsItsMovesReport) {
    const auto cellsLit = [&] {
        std::vector<Cell> cells;
        for (int c = 0; c < 16; ++c) {
            for (int r = 0; r < 16; ++r) {
                if (lit(c, r)) {
                    cells.push_back({c, r});
                }
            }
        }
        return cells;
    };
    const struct {
        const char* what;
        std::vector<std::pair<float, float>> points;  // the press, then the moves, in canvas units
        std::vector<Cell> expected;
    } cases[] = {
        {"a row", {{25, 55}, {95, 55}}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}},
        {"a diagonal, back and up", {{35, 35}, {5, 5}}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {"a slope, rounded to the nearest cell",
         {{5, 5}, {45, 25}},
         {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {"two moves", {{5, 155}, {5, 135}, {25, 135}}, {{0, 13}, {0, 14}, {0, 15}, {1, 13}, {2, 13}}},
        {"far off the picture", {{55, 5}, {-1.0e8f, 5}}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}},
        {"from far off back in", {{1.0e8f, 1.0e8f}, {145, 145}}, {{14, 14}, {15, 15}}},
    };
    for (const auto& c : cases) {
        editor.applyTool(GlyphTool::Clear);
        editor.beginStroke(kLeftButton, c.points[0].first, c.points[0].second);
        for (std::size_t i = 1; i < c.points.size(); ++i) {
            editor.paint(kLeftButton, c.points[i].first, c.points[i].second);
        }
        editor.endStroke();
        EXPECT_EQ(cellsLit(), c.expected) << c.what;
        EXPECT_EQ(editor.undoLabel(), "Paint") << c.what;
    }

    // The right button darkens along its line; a move without a button ends the joining, and a move with
    // another button than the press starts a new line.
    editor.setWidth(16);
    editor.applyTool(GlyphTool::Fill);
    editor.beginStroke(kRightButton, 5, 5);
    editor.paint(kRightButton, 155, 5);
    editor.endStroke();
    for (int c = 0; c < 16; ++c) {
        EXPECT_FALSE(lit(c, 0)) << c;
    }
    editor.applyTool(GlyphTool::Clear);
    editor.beginStroke(kLeftButton, 5, 5);
    editor.paint(0, 55, 5);
    editor.paint(kLeftButton, 105, 5);
    editor.paint(kRightButton, 155, 155);
    editor.paint(kLeftButton, 155, 105);
    EXPECT_EQ(cellsLit(), (std::vector<Cell>{{0, 0}, {10, 0}, {15, 10}}));
    editor.paint(kLeftButton, 5, 5);
    EXPECT_EQ(editor.charMap()(0), 0xFE) << "a joined move reaches the map as a press does";
    editor.endStroke();
    EXPECT_EQ(editor.undoLabel(), "Paint");
}

TEST_F(GlyphEditorTest, WidthAndCentreMoveTheLineAndTheMarker) {
    editor.setWidth(16);
    EXPECT_EQ(greenLineX(), 160);
    editor.setWidth(1);
    EXPECT_EQ(greenLineX(), 10);
    editor.setCentre(2);
    EXPECT_FLOAT_EQ(raster.markerLeft(), 240.0f + 2535.0f / 16);
    EXPECT_EQ(test::errorOf([&] { editor.setWidth(17); }).code(), ErrorCode::SubscriptOutOfRange);
}

TEST_F(GlyphEditorTest, ToolsActOnTheDraftOnlyAndSayWhenTheyChangeSomething) {
    const FontTables font = editor.font();
    editor.applyTool(GlyphTool::Fill);
    EXPECT_EQ(litCount(), 8 * 16) << "the width's columns 0..7 only";
    EXPECT_FALSE(editor.toolChanges(GlyphTool::Fill));
    editor.applyTool(GlyphTool::Clear);
    EXPECT_FALSE(editor.toolChanges(GlyphTool::ShiftLeft)) << "nothing to move";
    click(kLeftButton, 5, 5);
    editor.applyTool(GlyphTool::ShiftRight);
    editor.applyTool(GlyphTool::ShiftDown);
    EXPECT_TRUE(lit(1, 1));
    EXPECT_EQ(litCount(), 1);
    EXPECT_EQ(editor.charMap()(2), 0xFD);
    editor.setWidth(4);  // columns 0..3 mirror
    editor.applyTool(GlyphTool::FlipHorizontal);
    EXPECT_TRUE(lit(2, 1));
    EXPECT_EQ(editor.undoLabel(), "Flip Horizontally");
    EXPECT_TRUE(editor.font() == font) << "no tool stores into the font";
}

TEST_F(GlyphEditorTest, PasteTakesTheLedsTheFieldsAndInAJukta512FontThePair) {
    use(jukta(), 3);
    Glyph glyph;
    glyph.width = 0;
    glyph.kind = GlyphKind::Ikaar;
    glyph.centre = 7;
    glyph.columns[2] = 0x8001;
    glyph.pair = {0x9C, 0x21};
    editor.paste(glyph, true);
    EXPECT_EQ(editor.draft().columns, glyph.columns);
    EXPECT_EQ(editor.draft().width, 16);
    EXPECT_EQ(editor.draft().centre, 7);
    EXPECT_EQ(editor.draft().kind, GlyphKind::Ikaar);
    EXPECT_EQ(editor.shown().pairText, (std::array<std::string, 2>{"9C", "21"}));
    EXPECT_EQ(editor.shown().pairEntry, (std::array<int, 2>{-1, 0x21}));
    EXPECT_EQ(litCount(), 2);
    EXPECT_EQ(greenLineX(), 160);
    glyph.kind = static_cast<GlyphKind>(5);
    glyph.pair = {1, 2};
    editor.paste(glyph, false);
    EXPECT_EQ(editor.draft().kind, GlyphKind::Ikaar) << "a kind no option shows leaves the one set";
    EXPECT_EQ(editor.shown().pairText[1], "21") << "a pair only when pasted with one";
    EXPECT_EQ(editor.font().JuktaData(3, 0), 0) << "nothing is stored";
}

// Undo gives back exactly the state before each step, under the step's label, and draws it exactly so.
TEST_F(GlyphEditorTest, UndoAndRedoWalkBackAndForthOverRandomSteps) {
    use(jukta(), 0);
    std::mt19937 random(15);
    auto coordinate = [&] { return static_cast<float>(random() % 160); };
    std::vector<std::pair<EditState, std::vector<Colour>>> history{{editor.state(), pixels()}};
    std::vector<std::string> labels;
    for (int step = 0; step < 40; ++step) {
        switch (random() % 7) {
            case 0: {
                const int button = random() % 2 ? kLeftButton : kRightButton;
                editor.beginStroke(button, coordinate(), coordinate());
                editor.paint(button, coordinate(), coordinate());
                editor.endStroke();
                break;
            }
            case 1:
                editor.setWidth(1 + static_cast<int>(random() % 16));
                break;
            case 2:
                editor.setPairByte(0, static_cast<int>(random() % 128));
                break;
            case 3:
                editor.setKind(static_cast<int>(random() % 3));
                break;
            case 4:
                editor.applyTool(GlyphTool(random() % 9));
                break;
            case 5:
                random() % 3 ? editor.next() : editor.previous();
                break;
            default:
                editor.goTo(static_cast<int>(random() % 512));
                break;
        }
        if (!(editor.state() == history.back().first)) {
            history.emplace_back(editor.state(), pixels());
            labels.push_back(editor.undoLabel());
        }
    }
    ASSERT_GT(history.size(), 20u);
    for (std::size_t i = history.size() - 1; i-- > 0;) {
        ASSERT_EQ(editor.undoLabel(), labels[i]);
        editor.undo();
        ASSERT_TRUE(editor.state() == history[i].first) << "undo back to step " << i;
        ASSERT_EQ(pixels(), history[i].second) << "undo back to step " << i;
    }
    EXPECT_EQ(editor.undoLabel(), "Import Glyphs") << "back to where the test began";
    for (std::size_t i = 1; i < history.size(); ++i) {
        ASSERT_EQ(editor.redoLabel(), labels[i - 1]);
        editor.redo();
        ASSERT_TRUE(editor.state() == history[i].first) << "redo to step " << i;
        ASSERT_EQ(pixels(), history[i].second) << "redo to step " << i;
    }
    EXPECT_FALSE(editor.canRedo());
}

TEST_F(GlyphEditorTest, AStrokeIsOneStepAndANewStepDropsTheRedo) {
    const EditState before = editor.state();
    editor.beginStroke(kLeftButton, 5, 5);
    editor.paint(kLeftButton, 155, 155);
    editor.endStroke();
    EXPECT_EQ(editor.undoLabel(), "Paint");
    editor.undo();
    EXPECT_TRUE(editor.state() == before);
    EXPECT_EQ(editor.redoLabel(), "Paint");
    editor.setKind(1);
    EXPECT_FALSE(editor.canRedo());
    EXPECT_EQ(editor.undoLabel(), "Kind");
    editor.undo();
    EXPECT_TRUE(editor.state() == before);
    EXPECT_FALSE(editor.canUndo()) << "the stroke was undone before the new step";

    // A stroke whose release never came ends before the next step.
    editor.beginStroke(kLeftButton, 5, 5);
    editor.setWidth(3);
    EXPECT_EQ(editor.undoLabel(), "Width");
    editor.undo();
    EXPECT_EQ(editor.undoLabel(), "Paint");
}

TEST_F(GlyphEditorTest, AStepNotCommittedPutsEverythingBack) {
    use(jukta(), 2);
    const EditState before = editor.state();
    const auto drawn = pixels();
    {
        GlyphEditor::Transaction outer(editor, "Outer");
        editor.setWidth(2);
        {
            GlyphEditor::Transaction inner(editor, "Inner");
            editor.applyTool(GlyphTool::Invert);
            inner.commit();
        }
        editor.next();
    }
    EXPECT_TRUE(editor.state() == before);
    EXPECT_EQ(pixels(), drawn);
    EXPECT_EQ(editor.undoLabel(), "Show Glyph") << "nothing of the aborted step is in the history";
    {
        GlyphEditor::Transaction outer(editor, "Outer");
        editor.setWidth(2);
        editor.next();
        outer.commit();
    }
    EXPECT_EQ(editor.undoLabel(), "Outer");
    editor.undo();
    EXPECT_TRUE(editor.state() == before) << "steps inside a step are one";
}

TEST_F(GlyphEditorTest, FilesLoadAndSaveAndTellUnsavedWork) {
    test::TempFolder folder;
    FontTables tables;
    for (int g = 0; g < 128; ++g) {
        tables.FontData.set(g, 0, 1 + g % 16);
        tables.FontData.set(g, 1, 1 + g % 15);
        for (int b = 2; b < kRecordBytes; ++b) {
            tables.FontData.set(g, b, (g * 31 + b * 7) % 256);
        }
    }
    const std::string file = (folder.path() / "font.txt").string();
    saveFontFile(file, tables);
    editor.setFontFile(file);
    editor.goTo(9);
    editor.load(file, FontKind::Hindi);
    EXPECT_EQ(editor.glyph(), 0);
    EXPECT_FALSE(editor.canUndo()) << "a load starts a fresh history";
    EXPECT_EQ(editor.draft(), glyphAt(tables, 0)) << "glyph 0 shown";
    EXPECT_FALSE(editor.modified());
    editor.next();
    editor.previous();
    EXPECT_FALSE(editor.modified()) << "stepping through without a change";
    click(kLeftButton, 155, 155);
    click(kRightButton, 155, 155);
    click(kRightButton, 5, 5);
    EXPECT_TRUE(editor.modified()) << "a draft not yet stored";
    editor.store(0);
    editor.save(file);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(test::readFile(file), formatFontText(editor.font()));
    editor.next();
    editor.setKind(2);
    editor.undo();
    EXPECT_FALSE(editor.modified()) << "undone back to what is saved";

    const FontTables loaded = editor.font();
    EXPECT_ANY_THROW(editor.load((folder.path() / "none.txt").string(), FontKind::Jukta512));
    EXPECT_TRUE(editor.font() == loaded) << "a failed load changes nothing";
    EXPECT_TRUE(editor.canUndo());
}

}  // namespace
}  // namespace ledfont::editor
