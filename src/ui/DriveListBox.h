#pragma once

#include <QComboBox>
#include <QString>

namespace ledfont::ui {

// The drive list: drive letters on Windows, the mounted volumes elsewhere (root first). Emits change()
// when the user picks another drive.
class DriveListBox : public QComboBox {
    Q_OBJECT

  public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // The chosen drive's root path, in native form ("C:\", "/", "/media/usb").
    QString drive() const;
    // Shows the drive that holds `path` without raising change().
    void selectDriveOf(const QString& path);

  signals:
    void change();

  protected:
    // Volumes come and go while the program runs; the list is read again whenever it opens.
    void showPopup() override;

  private:
    void refresh();
    void onActivated(int index);

    QString shownDrive_;
};

}  // namespace ledfont::ui
