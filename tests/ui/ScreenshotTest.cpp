#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
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
// the Jukta512 sample loaded as a newcomer would, by clicking it and "Load".
TEST(ScreenshotTest, WindowRendersToPng) {
    std::unique_ptr<frmFont> started;
    {
        const CurrentFolder samples(QStringLiteral(LEDFONT_SAMPLES_DIR));
        started = std::make_unique<frmFont>();
    }
    frmFont& window = *started;
    QStringList messages;
    window.setErrorSink([&](const QString&, const QString& text) { messages << text; });
    window.show();
    saveAndReread(window, QStringLiteral(LEDFONT_SCREENSHOT_DIR "/frmFont.png"));

    auto* files = window.findChild<QListWidget*>(QStringLiteral("File1"));
    const QList<QListWidgetItem*> sample = files->findItems(QStringLiteral("jukta512.txt"), Qt::MatchExactly);
    ASSERT_EQ(sample.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(sample.first()).center());
    QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("optJukta")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("cmdLoad")), Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblLoc"))->text(), QStringLiteral("Code: 000"));
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("FrameJ"))->isVisible());
    saveAndReread(window, QStringLiteral(LEDFONT_SCREENSHOT_DIR "/frmFont-jukta.png"));
}

}  // namespace
}  // namespace ledfont::ui
