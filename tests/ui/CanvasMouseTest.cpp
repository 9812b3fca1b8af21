#include <QTest>

#include "WindowFixture.h"

namespace ledfont::ui {
namespace {

class CanvasMouseTest : public WindowTest {
  protected:
    // The widget pixel over a canvas position.
    QPoint at(double x, double y) {
        return {static_cast<int>(x * pic()->width() / 161.0), static_cast<int>(y * pic()->height() / 161.0)};
    }
    QPoint cellCentre(int column, int row) { return at(10 * column + 5, 10 * row + 5); }

    // Bit (row mod 8) of CharMap byte 2c + row div 8 is 1 for a dark LED.
    bool mapDark(int column, int row) {
        return ((tables().CharMap(2 * column + row / 8) >> (row % 8)) & 1) == 1;
    }
    void expectMapMatchesPicture() {
        for (int c = 0; c < 16; ++c) {
            for (int r = 0; r < 16; ++r) {
                EXPECT_EQ(mapDark(c, r), !lit(c, r)) << c << "," << r;
            }
        }
    }
};

TEST_F(CanvasMouseTest, PressAndDragLightThenDarkenCells) {
    QTest::mousePress(pic(), Qt::LeftButton, {}, cellCentre(2, 3));
    EXPECT_TRUE(lit(2, 3));
    EXPECT_EQ(litCount(), 1);
    EXPECT_EQ(tables().CharMap(4), 0xF7) << "row 3 of column 2 is bit 3";
    for (int c = 3; c <= 6; ++c) {
        QTest::mouseMove(pic(), cellCentre(c, 3));
    }
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, cellCentre(6, 3));
    for (int c = 2; c <= 6; ++c) {
        EXPECT_TRUE(lit(c, 3)) << c;
    }
    EXPECT_EQ(litCount(), 5);
    expectMapMatchesPicture();

    QTest::mousePress(pic(), Qt::RightButton, {}, cellCentre(4, 3));
    QTest::mouseMove(pic(), cellCentre(5, 3));
    QTest::mouseRelease(pic(), Qt::RightButton, {}, cellCentre(5, 3));
    EXPECT_FALSE(lit(4, 3));
    EXPECT_FALSE(lit(5, 3));
    EXPECT_EQ(litCount(), 3);
    expectMapMatchesPicture();

    // Moves without a button change nothing.
    QTest::mouseMove(pic(), cellCentre(9, 9));
    EXPECT_EQ(litCount(), 3);
}

TEST_F(CanvasMouseTest, DragOutsideThePictureStillReachesTheEdgeCells) {
    QTest::mousePress(pic(), Qt::LeftButton, {}, cellCentre(1, 7));
    // A few pixels left of the picture is just below canvas x 0: still column 0.
    QTest::mouseMove(pic(), QPoint(-3, cellCentre(1, 7).y()));
    EXPECT_TRUE(lit(0, 7));
    // Far outside nothing shows, and nothing fails.
    QTest::mouseMove(pic(), QPoint(-100, -100));
    QTest::mouseMove(pic(), QPoint(pic()->width() + 50, cellCentre(0, 2).y()));
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, QPoint(pic()->width() + 50, 0));
    EXPECT_EQ(litCount(), 2);
    expectMapMatchesPicture();
    EXPECT_TRUE(messages.empty());
}

TEST_F(CanvasMouseTest, MiddlePressPaintsNothingButRefreshesTheMap) {
    tables().CharMap.set(0, 0x5A);
    QTest::mousePress(pic(), Qt::MiddleButton, {}, cellCentre(0, 0));
    QTest::mouseRelease(pic(), Qt::MiddleButton, {}, cellCentre(0, 0));
    EXPECT_EQ(litCount(), 0);
    EXPECT_EQ(tables().CharMap(0), 0xFF);
}

TEST_F(CanvasMouseTest, PositionsArriveInCanvasUnits) {
    std::vector<QPointF> downs;
    QObject::connect(pic(), &CanvasWidget::mouseDown, pic(),
                     [&](int button, int, float x, float y) { downs.emplace_back(x + 1000 * button, y); });
    // QTest reads a null point as the widget's centre, so the corner is asked for as (0, 0) plus a pixel.
    QTest::mousePress(pic(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mousePress(pic(), Qt::RightButton, {}, QPoint(pic()->width() - 1, pic()->height() - 1));
    QTest::mouseRelease(pic(), Qt::RightButton, {}, QPoint(pic()->width() - 1, pic()->height() - 1));
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_NEAR(downs[0].x(), 1000 + 161.0 / pic()->width(), 1e-3);
    EXPECT_NEAR(downs[0].y(), 161.0 / pic()->height(), 1e-3);
    EXPECT_NEAR(downs[1].x(), 2000 + 161.0 * (pic()->width() - 1) / pic()->width(), 1e-3);
    EXPECT_GT(downs[1].y(), 160.0);
}

TEST_F(CanvasMouseTest, ChoosingAWidthMovesTheLimitLine) {
    QComboBox* cols = combo("cmbCols");
    cols->setFocus();
    QTest::keyClick(cols, Qt::Key_End);
    EXPECT_EQ(cols->currentText(), "16");
    EXPECT_EQ(greenLineX(), 160);
    QTest::keyClick(cols, Qt::Key_Home);
    EXPECT_EQ(greenLineX(), 10);

    QComboBox* centre = combo("cmbCentre");
    QTest::keyClick(centre, Qt::Key_Down);
    EXPECT_EQ(centre->currentText(), "2");
    EXPECT_FLOAT_EQ(pic()->markerLeft(), 240.0f + 2535.0f / 16);
}

}  // namespace
}  // namespace ledfont::ui
