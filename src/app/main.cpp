#include <QApplication>

#include "ui/frmFont.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ledfont::ui::frmFont window;
    window.show();
    return QApplication::exec();
}
