#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "ui/frmFont.h"

namespace ledfont::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), client_(new frmFont(this)) {
    setCentralWidget(client_);
    setWindowTitle(client_->windowTitle());
    setWindowIcon(client_->windowIcon());
    // Glyph 296 sets the client's caption; the window shows it.
    connect(client_, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    createMenus();
    // The client area has a fixed size; the window is that plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(client_->findChild<QAction*>(QStringLiteral("actVerifyHex")));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!client_->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace ledfont::ui
