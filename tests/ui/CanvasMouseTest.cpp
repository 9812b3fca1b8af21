#include "WindowFixture.h"

namespace ledfont::ui {
namespace {

class CanvasMouseTest : public WindowTest {
  protected:
    // Bit (row mod 8) of CharMap byte 2c + row div 8 is 1 for a dark LED.
    void expectMapMatchesPicture() {
        for (int cell = 0; cell < 256; ++cell) {
            const int column = cell % 16, row = cell / 16;
            EXPECT_EQ((tables().CharMap(2 * column + row / 8) >> (row % 8)) & 1, lit(column, row) ? 0 : 1)
                << column << "," << row;
        }
    }
    void drag(Qt::MouseButton button, std::initializer_list<QPoint> points) {
        QTest::mousePress(pic(), button, {}, *points.begin());
        for (QPoint point : points) {
            QTest::mouseMove(pic(), point);
        }
        QTest::mouseRelease(pic(), button, {}, *(points.end() - 1));
    }
};

TEST_F(CanvasMouseTest, PressAndDragLightThenDarkenCells) {
    QTest::mousePress(pic(), Qt::LeftButton, {}, cellCentre(2, 3));
    EXPECT_EQ(tables().CharMap(4), 0xF7) << "the press alone lights row 3 of column 2";
    for (int column = 3; column <= 6; ++column) {
        QTest::mouseMove(pic(), cellCentre(column, 3));
    }
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, cellCentre(6, 3));
    EXPECT_EQ(litCount(), 5);
    EXPECT_TRUE(lit(2, 3) && lit(6, 3));
    drag(Qt::RightButton, {cellCentre(4, 3), cellCentre(5, 3)});
    EXPECT_FALSE(lit(4, 3) || lit(5, 3));
    EXPECT_EQ(litCount(), 3);
    expectMapMatchesPicture();

    QTest::mouseMove(pic(), cellCentre(9, 9));  // no button: no paint
    drag(Qt::MiddleButton, {cellCentre(10, 0)});
    EXPECT_EQ(litCount(), 3);
    expectMapMatchesPicture();  // the middle button paints nothing
}

TEST_F(CanvasMouseTest, DragOutsideThePictureStillReachesTheEdgeCells) {
    const int y = cellCentre(1, 7).y();
    // A few pixels left of the picture is just below canvas x 0: still column 0; far outside shows nothing,
    // and the way back in from there paints the cells from the edge on.
    drag(Qt::LeftButton, {cellCentre(1, 7), QPoint(-3, y), QPoint(-100, -100), QPoint(-100, y)});
    EXPECT_TRUE(lit(0, 7));
    EXPECT_EQ(litCount(), 2);
    drag(Qt::LeftButton, {QPoint(-100, y), cellCentre(3, 7)});
    EXPECT_TRUE(lit(2, 7) && lit(3, 7));
    EXPECT_EQ(litCount(), 4);
    expectMapMatchesPicture();
    EXPECT_TRUE(messages.empty());
}

TEST_F(CanvasMouseTest, PositionsArriveInCanvasUnits) {
    std::vector<QPointF> downs;
    QObject::connect(pic(), &CanvasWidget::mouseDown, pic(),
                     [&](int button, int, float x, float y) { downs.emplace_back(x + 1000 * button, y); });
    // QTest reads a null point as the widget's centre, so the corner is asked for as (0, 0) plus a pixel.
    const QPoint corner(pic()->width() - 1, pic()->height() - 1);
    drag(Qt::LeftButton, {QPoint(1, 1)});
    drag(Qt::RightButton, {corner});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_NEAR(downs[0].x(), 1000 + 161.0 / pic()->width(), 1e-3);
    EXPECT_NEAR(downs[0].y(), 161.0 / pic()->height(), 1e-3);
    EXPECT_NEAR(downs[1].x(), 2000 + 161.0 * corner.x() / pic()->width(), 1e-3);
    EXPECT_GT(downs[1].y(), 160.0);
}

TEST_F(CanvasMouseTest, ChoosingAWidthMovesTheLimitLine) {
    pickLast("cmbCols");
    EXPECT_EQ(greenLineX(), 160);
    QTest::keyClick(combo("cmbCols"), Qt::Key_Home);
    EXPECT_EQ(greenLineX(), 10);
    QTest::keyClick(combo("cmbCentre"), Qt::Key_Down);
    EXPECT_EQ(combo("cmbCentre")->currentText(), "2");
    EXPECT_FLOAT_EQ(pic()->markerLeft(), 240.0f + 2535.0f / 16);
}

}  // namespace
}  // namespace ledfont::ui
