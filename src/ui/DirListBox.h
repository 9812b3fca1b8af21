#pragma once

#include <QListWidget>
#include <QString>

#include "ui/SelectorTypes.h"

namespace ledfont::ui {

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

}  // namespace ledfont::ui
