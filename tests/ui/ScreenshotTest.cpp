#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ui/frmFont.h"

namespace ledfont::ui {
namespace {

// Renders the window as it starts into the build folder, for looking at.
TEST(ScreenshotTest, WindowRendersToPng) {
    frmFont window;
    window.show();
    QPixmap picture = window.grab();
    EXPECT_EQ(picture.size(), window.size());
    ASSERT_TRUE(picture.save(QStringLiteral(LEDFONT_SCREENSHOT)));
    QImage reread(QStringLiteral(LEDFONT_SCREENSHOT));
    EXPECT_EQ(reread.size(), window.size());
}

}  // namespace
}  // namespace ledfont::ui
