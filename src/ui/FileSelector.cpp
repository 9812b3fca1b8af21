#include "ui/FileSelector.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "font/FontPath.h"
#include "ui/FolderPath.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {

std::string fileLabelText(std::string_view fontFile) {
    return "File : " + std::string(fontFile);
}

FileSelector::FileSelector(DriveListBox& drive, DirListBox& dir, FileListBox& file, QLabel& lblFile,
                           FontFileSink onFontFile, MessageSink onMessage, QObject* parent)
    : QObject(parent),
      drive_(drive),
      dir_(dir),
      file_(file),
      lblFile_(lblFile),
      onFontFile_(std::move(onFontFile)) {
    dir_.setMessageSink(std::move(onMessage));
    connect(&drive_, &DriveListBox::change, this, &FileSelector::driveChange);
    connect(&dir_, &DirListBox::change, this, &FileSelector::dirChange);
    connect(&file_, &FileListBox::click, this, &FileSelector::fileClick);
    openStartFolder();
}

void FileSelector::openStartFolder() {
    // The current folder may have been removed under the program; start somewhere that lists.
    for (const QString& folder : {QDir::currentPath(), QDir::homePath(), QDir::rootPath()}) {
        if (!folderReadError(toFilesystemPath(folder))) {
            dir_.setPath(folder);
            return;
        }
    }
}

void FileSelector::driveChange() {
    if (!dir_.setPath(drive_.drive())) {
        drive_.selectDriveOf(dir_.path());
    }
}

void FileSelector::dirChange() {
    file_.setPath(dir_.path());
    drive_.selectDriveOf(dir_.path());
}

bool FileSelector::selectFile(const QString& path) {
    const QFileInfo file(path);
    if (!dir_.setPath(file.absolutePath())) {
        return false;
    }
    file_.setPath(dir_.path());  // list it again: the file may be newer than the listing
    const QList<QListWidgetItem*> found = file_.findItems(file.fileName(), Qt::MatchExactly);
    if (found.isEmpty()) {
        return false;
    }
    file_.setCurrentItem(found.first());
    fileClick();
    return true;
}

void FileSelector::refresh() {
    const QString chosen = file_.fileName();
    file_.setPath(file_.path());
    if (const QList<QListWidgetItem*> found = file_.findItems(chosen, Qt::MatchExactly);
        !chosen.isEmpty() && !found.isEmpty()) {
        file_.setCurrentItem(found.first());
    }
}

void FileSelector::fileClick() {
    const std::string name = file_.fileNameBytes();
    if (name.empty()) {
        return;
    }
    const std::string fontFile = joinFolderFile(toStdString(file_.path()), name, kPathSeparator);
    lblFile_.setText(toQString(fileLabelText(fontFile)));
    if (onFontFile_) {
        onFontFile_(fontFile);
    }
}

}  // namespace ledfont::ui
