#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "WindowFixture.h"
#include "ui/Layout.h"

namespace ledfont::ui {
namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, EveryControlExistsUnderItsName) {
    for (const ControlRow& row : windowLayout()) {
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->parentWidget(), row.container[0] == '\0' ? &window : control(row.container))
            << row.name;
    }
    EXPECT_EQ(window.size(),
              QSize(window.scale().toPixels(kClientWidth), window.scale().toPixels(kClientHeight)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
}

TEST_F(StartupTest, ControlsStartAsTheUserFindsThem) {
    const std::pair<const char*, bool> usable[] = {{"cmdSave", false},        {"cmdNew", false},
                                                   {"cmdLoad", true},         {"Command1", false},
                                                   {"cmdConvertToHex", true}, {"FrameJ", false}};
    for (auto [name, expected] : usable) {
        EXPECT_EQ(control(name)->isVisible() && control(name)->isEnabled(), expected) << name;
    }
    const std::pair<const char*, bool> options[] = {{"optConst", true},
                                                    {"optVowel", false},
                                                    {"optIkaar", false},
                                                    {"optHindi", true},
                                                    {"optJukta", false}};
    for (auto [name, expected] : options) {
        EXPECT_EQ(checked(name), expected) << name;
    }
    // The two groups of options are independent.
    click("optJukta");
    click("optIkaar");
    EXPECT_TRUE(checked("optJukta") && checked("optIkaar"));
    EXPECT_FALSE(checked("optHindi") || checked("optConst"));

    EXPECT_EQ(control<QPushButton>("Command1")->text(), "jconv");
    EXPECT_EQ(control<QGroupBox>("FrameJ")->title(), "Jukta");
    EXPECT_EQ(text("lblLoc"), "Loc");
    EXPECT_EQ(text("lblFile"), "File :");
    EXPECT_EQ(text("txtJukta_0"), "00");
    EXPECT_EQ(text("txtJukta_1"), "01");
    EXPECT_FALSE(control("txtJukta_0")->isEnabled() || control("txtJukta_1")->isEnabled());
}

TEST_F(StartupTest, ListsAreFilledAndSelected) {
    struct Case {
        const char* name;
        int count;
        const char* last;
        const char* selected;
    };
    for (const Case& c : {Case{"cmbCols", 16, "16", "8"}, Case{"cmbCentre", 15, "15", "1"},
                          Case{"cmbJuk_0", 128, "7F", "00"}, Case{"cmbJuk_1", 128, "7F", "01"}}) {
        QComboBox* list = combo(c.name);
        EXPECT_EQ(list->count(), c.count) << c.name;
        EXPECT_EQ(list->itemText(list->count() - 1), c.last) << c.name;
        EXPECT_EQ(list->currentText(), c.selected) << c.name;
        EXPECT_FALSE(list->isEditable()) << c.name;
    }
    EXPECT_EQ(combo("cmbJuk_1")->itemText(10), "0A");
}

TEST_F(StartupTest, PictureShowsGridLimitLineAndDarkLeds) {
    for (int v = 0; v <= 160; v += 10) {
        for (int along : {0, 37, 160}) {
            EXPECT_EQ(raster().pixel(along, v), editor::kGridBlue) << "row line " << v;
            EXPECT_EQ(raster().pixel(v, along), v == 80 ? editor::kLimitGreen : editor::kGridBlue) << v;
        }
    }
    EXPECT_EQ(greenLineX(), 80);
    EXPECT_EQ(litCount(), 0);
    EXPECT_EQ(tables(), FontTables{}) << "no table has been touched yet";

    QWidget* marker = control("shpCentre");
    EXPECT_EQ(pic()->markerLeft(), 240.0f) << "over column one";
    EXPECT_EQ(marker->geometry(), QRect(QPoint(window.scale().toPixels(240), marker->y()),
                                        window.scale().rect(480, 240, 135, 135).size()));
    EXPECT_EQ(marker->palette().color(QPalette::Window), QColor(0, 192, 192));
    EXPECT_LT(marker->y(), pic()->y()) << "above the canvas";
}

// Every caption and list entry of `window` is readable in its font.
void expectCaptionsFit(const frmFont& window) {
    for (const ControlRow& row : windowLayout()) {
        const auto* widget = window.findChild<const QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(widget, nullptr) << row.name;
        QFontMetrics metrics = widget->fontMetrics();
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(button->text()) +
                          2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin),
                      widget->width())
                << row.name;
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(box->title()), widget->width()) << row.name;
        } else if (qobject_cast<const QRadioButton*>(widget) != nullptr ||
                   qobject_cast<const QLabel*>(widget) != nullptr ||
                   qobject_cast<const QComboBox*>(widget) != nullptr) {
            EXPECT_LE(widget->sizeHint().width(), widget->width()) << row.name;
        }
        if (row.kind != ControlKind::Frame && row.kind != ControlKind::Shape) {
            EXPECT_LE(metrics.height(), widget->height()) << row.name;
        }
    }
}

// Whatever the desktop's font, and at 125 % and 150 % of its size, the window grows until every caption
// fits, and never shrinks for a larger font.
TEST_F(StartupTest, CaptionsFitTheirControlsInAnyFontSize) {
    expectCaptionsFit(window);
    EXPECT_LE(window.scale().twipsPerPixel(), kTwipsPerPixel);
    const QFont original = QApplication::font();
    double previous = window.scale().twipsPerPixel();
    for (double factor : {1.25, 1.5}) {
        SCOPED_TRACE(factor);
        QFont larger = original;
        larger.setPointSizeF(original.pointSizeF() * factor);
        QApplication::setFont(larger);
        frmFont scaled;
        expectCaptionsFit(scaled);
        EXPECT_LE(scaled.scale().twipsPerPixel(), previous);
        previous = scaled.scale().twipsPerPixel();
    }
    QApplication::setFont(original);
}

TEST_F(StartupTest, TabOrderFollowsTabIndex) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : windowLayout()) {
        if (row.tabIndex != kNoTabStop && control(row.name)->focusPolicy() != Qt::NoFocus) {
            rows.push_back(&row);
        }
    }
    std::ranges::sort(rows, {}, &ControlRow::tabIndex);
    ASSERT_GE(rows.size(), 20u);
    QWidget* widget = control(rows.front()->name);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty());
        EXPECT_EQ(widget->objectName().toStdString(), rows[i]->name) << "after " << rows[i - 1]->name;
    }
}

TEST_F(StartupTest, IconIsAnInformationSignAtTwoSizes) {
    const QIcon icon = window.windowIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)) &&
                icon.availableSizes().contains(QSize(32, 32)));
    const QImage big = icon.pixmap(32, 32).toImage();
    const std::pair<QPoint, QColor> points[] = {{{16, 20}, Qt::white},         // the stem of the i
                                                {{16, 6}, Qt::white},          // its dot
                                                {{5, 16}, QColor(0, 0, 128)},  // the disc
                                                {{0, 0}, Qt::transparent}};
    for (const auto& [point, colour] : points) {
        EXPECT_EQ(big.pixelColor(point).rgba(), colour.rgba()) << point.x() << "," << point.y();
    }
}

}  // namespace
}  // namespace ledfont::ui
