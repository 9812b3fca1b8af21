#include "ui/FileListBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ui/FolderPath.h"

namespace ledfont::ui {

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

}  // namespace ledfont::ui
