#pragma once

#include <QListWidget>
#include <QString>

#include <string>

#include "ui/SelectorTypes.h"

namespace ledfont::ui {

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

}  // namespace ledfont::ui
