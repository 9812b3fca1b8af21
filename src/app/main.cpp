#include <QApplication>

#include "font/AtomicFile.h"
#include "ui/frmFont.h"

int main(int argc, char* argv[]) {
    ledfont::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    ledfont::ui::frmFont window;
    window.show();
    return QApplication::exec();
}
