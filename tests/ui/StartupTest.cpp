#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "WindowFixture.h"
#include "font/TextToByte.h"
#include "ui/Layout.h"

namespace ledfont::ui {
namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, EveryControlExistsUnderItsName) {
    for (const ControlRow& row : windowLayout()) {
        QWidget* widget = control<QWidget>(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        QWidget* expectedParent = row.container[0] == '\0' ? &window : control<QWidget>(row.container);
        EXPECT_EQ(widget->parentWidget(), expectedParent) << row.name;
    }
    EXPECT_EQ(window.size(), QSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
}

TEST_F(StartupTest, ButtonsPanelsAndOptions) {
    EXPECT_FALSE(control<QPushButton>("cmdSave")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdNew")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdLoad")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("Command1")->isVisible());
    EXPECT_EQ(control<QPushButton>("Command1")->text(), "jconv");
    EXPECT_TRUE(control<QPushButton>("cmdConvertToHex")->isVisible());
    EXPECT_FALSE(control<QGroupBox>("FrameJ")->isVisible());
    EXPECT_EQ(control<QGroupBox>("FrameJ")->title(), "Jukta");
    EXPECT_EQ(control<QGroupBox>("Frame3")->title(), "Font File");
    EXPECT_EQ(control<QLabel>("lblLoc")->text(), "Loc");
    EXPECT_EQ(control<QLabel>("lblFile")->text(), "File :");

    EXPECT_TRUE(control<QRadioButton>("optConst")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optVowel")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optIkaar")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optHindi")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optJukta")->isChecked());
    // The two groups are independent.
    control<QRadioButton>("optJukta")->click();
    control<QRadioButton>("optIkaar")->click();
    EXPECT_TRUE(control<QRadioButton>("optJukta")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optHindi")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optIkaar")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optConst")->isChecked());
}

TEST_F(StartupTest, ListsAreFilledAndSelected) {
    struct Case {
        const char* name;
        int count;
        const char* first;
        const char* last;
        const char* selected;
    };
    const Case cases[] = {
        {"cmbCols", 16, "1", "16", "8"},
        {"cmbCentre", 15, "1", "15", "1"},
        {"cmbJuk_0", 128, "00", "7F", "00"},
        {"cmbJuk_1", 128, "00", "7F", "01"},
    };
    for (const Case& c : cases) {
        QComboBox* list = combo(c.name);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), c.count) << c.name;
        EXPECT_EQ(list->itemText(0), c.first) << c.name;
        EXPECT_EQ(list->itemText(list->count() - 1), c.last) << c.name;
        EXPECT_EQ(list->currentText(), c.selected) << c.name;
        EXPECT_FALSE(list->isEditable()) << c.name;
    }
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(combo("cmbJuk_0")->itemText(i).toStdString(), byteToHexText(static_cast<std::uint8_t>(i)));
        EXPECT_EQ(combo("cmbJuk_1")->itemText(i), combo("cmbJuk_0")->itemText(i));
    }
    EXPECT_EQ(control<QLineEdit>("txtJukta_0")->text(), "00");
    EXPECT_EQ(control<QLineEdit>("txtJukta_1")->text(), "01");
    EXPECT_FALSE(control<QLineEdit>("txtJukta_0")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("txtJukta_1")->isEnabled());
}

TEST_F(StartupTest, PictureShowsGridLimitLineAndDarkLeds) {
    for (int v = 0; v <= 160; v += 10) {
        for (int along : {0, 37, 160}) {
            EXPECT_EQ(raster().pixel(along, v), editor::kGridBlue) << "row line " << v;
            if (v != 80) {
                EXPECT_EQ(raster().pixel(v, along), editor::kGridBlue) << "column line " << v;
            }
        }
    }
    for (int y = 0; y < 161; ++y) {
        ASSERT_EQ(raster().pixel(80, y), editor::kLimitGreen) << y;
    }
    EXPECT_EQ(greenLineX(), 80);
    EXPECT_EQ(litCount(), 0);
    EXPECT_EQ(raster().pixel(5, 5), editor::kBlack);
    EXPECT_EQ(tables(), FontTables{}) << "no table has been touched yet";
}

TEST_F(StartupTest, CentreMarkerSitsOverColumnOne) {
    QWidget* marker = control<QWidget>("shpCentre");
    EXPECT_EQ(pic()->markerLeft(), 240.0f);
    EXPECT_EQ(marker->x(), twipsToPixels(240));
    EXPECT_EQ(marker->width(), twipsToPixels(135));
    EXPECT_EQ(marker->height(), marker->width());
    EXPECT_EQ(marker->palette().color(QPalette::Window), QColor(0, 192, 192));
    EXPECT_LT(marker->y(), pic()->y()) << "above the canvas";
}

// Every caption and list entry must be readable in Qt's default font at the chosen scale.
TEST_F(StartupTest, CaptionsFitTheirControls) {
    for (const ControlRow& row : windowLayout()) {
        QWidget* widget = control<QWidget>(row.name);
        QFontMetrics metrics = widget->fontMetrics();
        QString text;
        int extra = 0;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            text = button->text();
            extra = 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
        } else if (qobject_cast<QRadioButton*>(widget) != nullptr ||
                   qobject_cast<QLabel*>(widget) != nullptr || qobject_cast<QComboBox*>(widget) != nullptr) {
            EXPECT_LE(widget->sizeHint().width(), widget->width()) << row.name;
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            text = box->title();
        }
        EXPECT_LE(metrics.horizontalAdvance(text) + extra, widget->width()) << row.name;
        if (row.kind != ControlKind::Frame && row.kind != ControlKind::Shape) {
            EXPECT_LE(metrics.height(), widget->height()) << row.name;
        }
    }
}

TEST_F(StartupTest, TabOrderFollowsTabIndex) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : windowLayout()) {
        if (row.tabIndex != kNoTabStop && control<QWidget>(row.name)->focusPolicy() != Qt::NoFocus) {
            rows.push_back(&row);
        }
    }
    std::ranges::sort(rows, {}, &ControlRow::tabIndex);
    ASSERT_GE(rows.size(), 20u);
    QWidget* widget = control<QWidget>(rows.front()->name);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget->parent() == nullptr ||
                 widget->objectName().isEmpty());
        EXPECT_EQ(widget->objectName().toStdString(), rows[i]->name) << "after " << rows[i - 1]->name;
    }
}

TEST_F(StartupTest, IconIsAnInformationSignAtTwoSizes) {
    QIcon icon = window.windowIcon();
    QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    QImage big = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(big.pixelColor(16, 20), QColor(Qt::white)) << "the stem of the i";
    EXPECT_EQ(big.pixelColor(16, 6), QColor(Qt::white)) << "the dot of the i";
    EXPECT_EQ(big.pixelColor(5, 16), QColor(0, 0, 128)) << "the disc";
    EXPECT_EQ(big.pixelColor(0, 0).alpha(), 0) << "outside the disc";
}

}  // namespace
}  // namespace ledfont::ui
