#include <QApplication>

#include "fileio/AtomicFile.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    ledfont::fileio::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    // Wayland desktops find the installed menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ledfont.Editor"));
    ledfont::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
