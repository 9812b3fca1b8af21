#include "ui/FileSelector.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "font/FontPath.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {
namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// Absolute and clean, with '/' separators: the form kept inside the lists.
QString cleanFolder(const QString& path) {
    return QDir::cleanPath(QDir(QDir::fromNativeSeparators(path)).absolutePath());
}

std::filesystem::path toFilesystemPath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

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

// The folder and its ancestors, root first.
QStringList ancestorChain(const QString& folder) {
    QStringList chain{folder};
    for (QString parent = QFileInfo(folder).absolutePath(); parent != chain.first();
         parent = QFileInfo(parent).absolutePath()) {
        chain.prepend(parent);
    }
    return chain;
}

QString indent(qsizetype level) {
    return QString(2 * level, QLatin1Char(' '));
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

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::open);
}

void DirListBox::setMessageSink(MessageSink sink) {
    sink_ = std::move(sink);
}

bool DirListBox::setPath(const QString& path) {
    const QString folder = cleanFolder(path);
    if (const auto error = folderReadError(toFilesystemPath(folder))) {
        if (sink_) {
            sink_(QStringLiteral("Error Reading Folder"), toQString(error->what()));
        }
        fill();  // drops the entry of a folder that vanished
        return false;
    }
    const bool changed = folder.compare(path_, kPathCase) != 0;
    path_ = folder;
    fill();
    if (changed) {
        emit change();
    }
    return true;
}

QString DirListBox::path() const {
    return QDir::toNativeSeparators(path_);
}

void DirListBox::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem() != nullptr) {
        open(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::open(const QListWidgetItem* item) {
    if (item != nullptr) {
        // Copied first: opening rebuilds the list and deletes the item.
        const QString folder = item->data(kFolderPathRole).toString();
        setPath(folder);
    }
}

void DirListBox::fill() {
    clear();
    if (path_.isEmpty()) {
        return;
    }
    const QStringList chain = ancestorChain(path_);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QListWidgetItem* current = nullptr;
    for (qsizetype level = 0; level < chain.size(); ++level) {
        const QString& folder = chain.at(level);
        const QString name = level == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        current = new QListWidgetItem(openIcon, indent(level) + name, this);
        current->setData(kFolderPathRole, folder);
    }
    QFont bold = current->font();
    bold.setBold(true);
    current->setFont(bold);

    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QFileInfoList subfolders = QDir(path_).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& subfolder : subfolders) {
        auto* item = new QListWidgetItem(closedIcon, indent(chain.size()) + subfolder.fileName(), this);
        item->setData(kFolderPathRole, subfolder.absoluteFilePath());
    }
    setCurrentItem(current);
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, &FileListBox::click);
}

void FileListBox::setPath(const QString& path) {
    path_ = cleanFolder(path);
    clear();
    // Listed by the standard library rather than QDir, which leaves out names that are not UTF-8.
    struct Entry {
        QString shown;
        std::string name;
    };
    std::vector<Entry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(toFilesystemPath(path_), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code statusError;
        if (!it->is_regular_file(statusError)) {
            continue;  // folders, devices, pipes and broken links are not font files
        }
#ifdef Q_OS_WIN
        const std::u8string u8 = it->path().filename().u8string();
        std::string name(u8.begin(), u8.end());
#else
        std::string name = it->path().filename().string();
#endif
        entries.push_back(
            {QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), std::move(name)});
    }
    std::ranges::sort(entries, [](const Entry& a, const Entry& b) {
        const int order = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (const Entry& entry : entries) {
        auto* item = new QListWidgetItem(entry.shown, this);
        item->setData(kFileNameRole, QByteArray::fromStdString(entry.name));
    }
}

QString FileListBox::path() const {
    return QDir::toNativeSeparators(path_);
}

QString FileListBox::fileName() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

std::string FileListBox::fileNameBytes() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? std::string() : chosen.first()->data(kFileNameRole).toByteArray().toStdString();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    const QListWidgetItem* before = currentItem();
    QListWidget::keyPressEvent(event);
    if (currentItem() != nullptr && currentItem() != before) {
        emit click();
    }
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
