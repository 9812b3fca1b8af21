#pragma once

#include <QMainWindow>

namespace ledfont::ui {

class frmFont;

// The top-level window: frmFont as its client area, unchanged, and above it the menu bar that holds the
// window's actions. Its caption and icon are frmFont's, and closing asks frmFont first.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);

    frmFont& client() { return *client_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createMenus();

    frmFont* client_;
};

}  // namespace ledfont::ui
