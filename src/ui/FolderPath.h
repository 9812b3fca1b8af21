#pragma once

#include <QDir>
#include <QString>
#include <Qt>

#include <filesystem>

// Folder paths as the file selector's lists keep them.
namespace ledfont::ui {

#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// Absolute and clean, with '/' separators: the form kept inside the lists.
inline QString cleanFolder(const QString& path) {
    return QDir::cleanPath(QDir(QDir::fromNativeSeparators(path)).absolutePath());
}

inline std::filesystem::path toFilesystemPath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

}  // namespace ledfont::ui
