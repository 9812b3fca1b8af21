#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <utility>
#include <vector>

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
    // Each menu lists the client's actions by name; an empty name is a separator.
    const std::pair<const char*, std::vector<const char*>> menus[] = {
        {"&File",
         {"actOpenFont", "actSave", "actSaveAs", "", "actImportGlyphs", "", "actMakeHex", "actExport",
          "actVerifyHex", "", "actQuit"}},
        {"&Edit",
         {"actUndo", "actRedo", "", "actCopyGlyph", "actPasteGlyph", "", "actClearGlyph", "actFillGlyph",
          "actInvertGlyph", "", "actShiftLeft", "actShiftRight", "actShiftUp", "actShiftDown", "",
          "actFlipHorizontal", "actFlipVertical"}},
        {"&Go", {"actPreviousGlyph", "actNextGlyph", "", "actGoToGlyph"}},
        {"&View", {"actPreview", "actOverview", "", "actUnderlay", "actUnderlayConsonant"}},
    };
    for (const auto& [title, names] : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(title));
        menu->setObjectName(QStringLiteral("mnu") + QString::fromLatin1(title + 1));
        for (const char* name : names) {
            if (*name == '\0') {
                menu->addSeparator();
            } else {
                menu->addAction(client_->findChild<QAction*>(QString::fromLatin1(name)));
            }
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!client_->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace ledfont::ui
