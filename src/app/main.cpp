#include <QApplication>

#include "font/AtomicFile.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    ledfont::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    ledfont::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
