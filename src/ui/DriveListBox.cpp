#include "ui/DriveListBox.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QStorageInfo>

#include "ui/FolderPath.h"

namespace ledfont::ui {
namespace {

// Drive roots in '/' form, root "/" first elsewhere than on Windows.
QStringList driveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        roots << drive.absoluteFilePath();
    }
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Bind-mounted single files show up as volumes too; only folders can be opened.
        if (volume.isValid() && volume.isReady() && root != QLatin1String("/") && QFileInfo(root).isDir()) {
            roots << root;
        }
    }
    roots.removeDuplicates();
    roots.sort();
    roots.prepend(QStringLiteral("/"));
#endif
    return roots;
}

bool isOnDrive(const QString& path, const QString& root) {
    if (!path.startsWith(root, kPathCase)) {
        return false;
    }
    return path.size() == root.size() || root.endsWith(QLatin1Char('/')) ||
           path.at(root.size()) == QLatin1Char('/');
}

}  // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    // Mount points can be long paths; the box keeps its laid-out width and the open list widens instead.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(3);
    refresh();
    connect(this, &QComboBox::activated, this, &DriveListBox::onActivated);
}

QString DriveListBox::drive() const {
    return QDir::toNativeSeparators(currentData().toString());
}

void DriveListBox::selectDriveOf(const QString& path) {
    const QString folder = cleanFolder(path);
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (isOnDrive(folder, root) && (best < 0 || root.size() > itemData(best).toString().size())) {
            best = i;
        }
    }
    setCurrentIndex(best);
    shownDrive_ = best < 0 ? QString() : itemData(best).toString();
}

void DriveListBox::showPopup() {
    refresh();
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth());
    QComboBox::showPopup();
}

void DriveListBox::refresh() {
    clear();
    for (const QString& root : driveRoots()) {
        addItem(QDir::toNativeSeparators(root), root);
    }
    // A drive that went away leaves the box blank, so that picking any drive counts as a change.
    setCurrentIndex(findData(shownDrive_));
    if (currentIndex() < 0) {
        shownDrive_.clear();
    }
}

void DriveListBox::onActivated(int index) {
    const QString root = itemData(index).toString();
    if (root == shownDrive_) {
        return;
    }
    shownDrive_ = root;
    emit change();
}

}  // namespace ledfont::ui
