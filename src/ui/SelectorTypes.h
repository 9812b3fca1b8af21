#pragma once

#include <QString>
#include <Qt>

#include <functional>
#include <string>

namespace ledfont::ui {

// Where the window shows a message box: its title and its text.
using MessageSink = std::function<void(const QString& title, const QString& text)>;
// Where the window takes a newly chosen font file.
using FontFileSink = std::function<void(const std::string& fontFile)>;

// The item role that holds the full path of an entry of the folder list.
inline constexpr int kFolderPathRole = Qt::UserRole;
// The item role that holds a file's name as the system spells it (see FileListBox::fileNameBytes).
inline constexpr int kFileNameRole = Qt::UserRole + 1;

}  // namespace ledfont::ui
