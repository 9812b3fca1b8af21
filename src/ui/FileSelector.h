#pragma once

#include <QObject>

#include "ui/DirListBox.h"
#include "ui/DriveListBox.h"
#include "ui/FileListBox.h"
#include "ui/SelectorTypes.h"

#include <string>
#include <string_view>

class QLabel;

namespace ledfont::ui {

// The caption of the file label once a font file has been chosen.
std::string fileLabelText(std::string_view fontFile);

// Chains the selector controls: a drive change opens the drive's root in the folder list, a folder change
// lists that folder's files (and shows its drive), a file click names the font file and sets the label.
// The lists start in the current folder. Drive and folder changes leave the font file and the label alone.
class FileSelector : public QObject {
  public:
    FileSelector(DriveListBox& drive, DirListBox& dir, FileListBox& file, QLabel& lblFile,
                 FontFileSink onFontFile, MessageSink onMessage, QObject* parent = nullptr);

    // Shows `path`'s folder and chooses the file as a click in the file list would; false when the folder
    // cannot be listed or holds no such file.
    bool selectFile(const QString& path);

    // Lists the folder shown again, keeping the file chosen chosen: after a write, the new file shows.
    void refresh();

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
