#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QLabel;

namespace ledfont::ui {

// Where the window shows a message box: its title and its text.
using MessageSink = std::function<void(const QString& title, const QString& text)>;
// Where the window takes a newly chosen font file.
using FontFileSink = std::function<void(const std::string& fontFile)>;

// The item role that holds the full path of an entry of the folder list.
inline constexpr int kFolderPathRole = Qt::UserRole;
// The item role that holds a file's name as the system spells it (see FileListBox::fileNameBytes).
inline constexpr int kFileNameRole = Qt::UserRole + 1;

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

// The folder list: the current folder's ancestors from the root down, each one level further in, the
// current folder marked, and below it the current folder's subfolders (hidden ones too, so that every file
// stays reachable). A double-click or Enter on an entry opens it.
class DirListBox : public QListWidget {
    Q_OBJECT

  public:
    explicit DirListBox(QWidget* parent = nullptr);

    // Receives the report of a folder that cannot be opened.
    void setMessageSink(MessageSink sink);

    // Opens `path`; emits change() when the folder differs from the one shown. A folder that cannot be
    // listed is reported, and the list shows the previous folder again; then this returns false.
    bool setPath(const QString& path);
    // The current folder in native form.
    QString path() const;

  signals:
    void change();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void open(const QListWidgetItem* item);
    void fill();

    QString path_;  // absolute, clean, with '/' separators
    MessageSink sink_;
};

// The file list: every file of its folder, no name filter, no folders. Emits click() when the user chooses
// a file, by mouse or keyboard.
class FileListBox : public QListWidget {
    Q_OBJECT

  public:
    explicit FileListBox(QWidget* parent = nullptr);

    void setPath(const QString& path);
    // The listed folder in native form.
    QString path() const;
    // The chosen file's name as shown, or an empty text when none is chosen.
    QString fileName() const;
    // The chosen file's name as the system spells it: the very bytes on POSIX systems, where a name need not
    // be UTF-8 text and is shown with a replacement mark; UTF-8 on Windows.
    std::string fileNameBytes() const;

  signals:
    void click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString path_;
};

// Chains the selector controls: a drive change opens the drive's root in the folder list, a folder change
// lists that folder's files (and shows its drive), a file click names the font file and sets the label.
// The lists start in the current folder. Drive and folder changes leave the font file and the label alone.
class FileSelector : public QObject {
  public:
    FileSelector(DriveListBox& drive, DirListBox& dir, FileListBox& file, QLabel& lblFile,
                 FontFileSink onFontFile, MessageSink onMessage, QObject* parent = nullptr);

  private:
    void openStartFolder();
    void driveChange();
    void dirChange();
    void fileClick();

    DriveListBox& drive_;
    DirListBox& dir_;
    FileListBox& file_;
    QLabel& lblFile_;
    FontFileSink onFontFile_;
};

}  // namespace ledfont::ui
