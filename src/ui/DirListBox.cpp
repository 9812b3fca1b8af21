#include "ui/DirListBox.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

#include "font/FontPath.h"
#include "ui/FolderPath.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {
namespace {

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

}  // namespace ledfont::ui
