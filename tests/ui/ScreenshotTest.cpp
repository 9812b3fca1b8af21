#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "FontFileFixture.h"
#include "ui/frmFont.h"

namespace ledfont::ui {
namespace {

void saveAndReread(QWidget& window, const QString& path) {
    QPixmap picture = window.grab();
    EXPECT_EQ(picture.size(), window.size());
    ASSERT_TRUE(picture.save(path));
    EXPECT_EQ(QImage(path).size(), window.size());
}

// Renders the window into the build folder, for looking at: as it starts in the samples folder, and with
// a Jukta512 glyph and the Jukta panel showing.
TEST(ScreenshotTest, WindowRendersToPng) {
    std::unique_ptr<frmFont> started;
    {
        const CurrentFolder samples(QStringLiteral(LEDFONT_SAMPLES_DIR));
        started = std::make_unique<frmFont>();
    }
    frmFont& window = *started;
    window.show();
    EXPECT_GT(window.findChild<QListWidget*>(QStringLiteral("File1"))->count(), 0);
    saveAndReread(window, QStringLiteral(LEDFONT_SCREENSHOT_DIR "/frmFont.png"));

    FontTables& tables = window.tables();
    tables.JuktaMode = true;
    tables.FontData.set(300, 0, 9);
    tables.FontData.set(300, 1, 0x15);
    for (int c = 0; c < 9; ++c) {
        // A frame of lit cells around the glyph's nine columns.
        bool edge = c == 0 || c == 8;
        tables.FontData.set(300, 2 + 2 * c, edge ? 0x00 : 0xFE);
        tables.FontData.set(300, 3 + 2 * c, edge ? 0x00 : 0x7F);
    }
    tables.JuktaData.set(300, 0, 0x2A);
    tables.JuktaData.set(300, 1, 0x9C);
    window.LoadCharacter(300);
    window.findChild<QWidget*>(QStringLiteral("FrameJ"))->show();
    saveAndReread(window, QStringLiteral(LEDFONT_SCREENSHOT_DIR "/frmFont-jukta.png"));
}

}  // namespace
}  // namespace ledfont::ui
