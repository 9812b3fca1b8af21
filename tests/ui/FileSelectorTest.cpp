#include "ui/FileSelector.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "font/FontPath.h"
#include "support/TestFiles.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ledfont::ui {
namespace {

TEST(FileLabelText, PrefixesTheFontFile) {
    EXPECT_EQ(fileLabelText("/home/u/fonts/hindi.txt"), "File : /home/u/fonts/hindi.txt");
}

QStringList texts(const QListWidget& list) {
    QStringList result;
    for (int row = 0; row < list.count(); ++row) {
        result << list.item(row)->text();
    }
    return result;
}

QListWidgetItem* itemNamed(const QListWidget& list, const QString& name) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text().trimmed() == name) {
            return list.item(row);
        }
    }
    return nullptr;
}

// The viewport point over the entry `name`, scrolled into view.
QPoint centreOf(QListWidget& list, const QString& name) {
    QListWidgetItem* item = itemNamed(list, name);
    if (item == nullptr) {
        ADD_FAILURE() << "no entry " << name.toStdString();
        return {};
    }
    list.scrollToItem(item);
    return list.visualItemRect(item).center();
}

void clickItem(QListWidget& list, const QString& name) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(list, name));
}

// Through the window, so that the view sees the whole press, release, press, double-click sequence.
void doubleClickItem(QListWidget& list, const QString& name) {
    QTest::mouseDClick(list.window()->windowHandle(), Qt::LeftButton, {},
                       list.viewport()->mapTo(list.window(), centreOf(list, name)));
}

// The folder list a folder should give: its ancestors root first, then its subfolders one level further in.
QStringList expectedFolderList(const QString& folder, const QStringList& subfolders) {
    QStringList chain;
    for (QDir dir(folder);; dir.cdUp()) {
        chain.prepend(dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath()) : dir.dirName());
        if (dir.isRoot()) {
            break;
        }
    }
    QStringList rows;
    for (int level = 0; level < chain.size(); ++level) {
        rows << QString(2 * level, QLatin1Char(' ')) + chain.at(level);
    }
    for (const QString& name : subfolders) {
        rows << QString(2 * chain.size(), QLatin1Char(' ')) + name;
    }
    return rows;
}

// A selector on a temporary tree:
//   fonts/  a.txt b.hex noext .dot   Alpha/ (one.txt)  beta/  .hid/
class FileSelectorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fonts_ = QString::fromStdString((tmp_ / "fonts").string());
        for (const char* folder : {"Alpha", "beta", ".hid"}) {
            ASSERT_TRUE(QDir().mkpath(fonts_ + QLatin1Char('/') + QLatin1String(folder)));
        }
        for (const char* name : {"a.txt", "b.hex", "noext", ".dot", "Alpha/one.txt"}) {
            test::writeFile(tmp_ / "fonts" / name, "8\r\n");
        }

        auto* layout = new QVBoxLayout(&host_);
        for (QWidget* control : std::initializer_list<QWidget*>{&drive_, &dir_, &file_, &lblFile_}) {
            layout->addWidget(control);
        }
        host_.resize(400, 700);
        host_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));

        selector_ = std::make_unique<FileSelector>(
            drive_, dir_, file_, lblFile_, [this](const std::string& path) { fontFiles_.push_back(path); },
            [this](const QString& title, const QString& text) { messages_.emplace_back(title, text); });
        ASSERT_TRUE(dir_.setPath(fonts_));
    }

    // What the user sees of the selector, to check that an action left it alone.
    struct Shown {
        QString folder;
        QStringList folders;
        QStringList files;
        QString label;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() const { return {dir_.path(), texts(dir_), texts(file_), lblFile_.text()}; }

    test::TempFolder tmp_;
    QString fonts_;
    QWidget host_;
    DriveListBox drive_{&host_};
    DirListBox dir_{&host_};
    FileListBox file_{&host_};
    QLabel lblFile_{QStringLiteral("File :"), &host_};
    std::unique_ptr<FileSelector> selector_;
    std::vector<std::string> fontFiles_;
    std::vector<std::pair<QString, QString>> messages_;
};

TEST_F(FileSelectorTest, ListsShowThePathChainTheSubfoldersAndTheFiles) {
    EXPECT_EQ(texts(dir_), expectedFolderList(fonts_, {".hid", "Alpha", "beta"}));
    EXPECT_EQ(dir_.currentItem()->text().trimmed(), QStringLiteral("fonts"));
    EXPECT_TRUE(dir_.currentItem()->isSelected() && dir_.currentItem()->font().bold());
    EXPECT_EQ(itemNamed(dir_, "Alpha")->data(kFolderPathRole).toString(), fonts_ + QStringLiteral("/Alpha"));
    EXPECT_EQ(dir_.item(0)->data(kFolderPathRole).toString(), QDir::rootPath());
    EXPECT_EQ(dir_.path(), QDir::toNativeSeparators(fonts_));
    EXPECT_EQ(file_.path(), dir_.path());
    EXPECT_EQ(texts(file_), QStringList({".dot", "a.txt", "b.hex", "noext"}));
    EXPECT_TRUE(file_.fileName().isEmpty());
}

TEST_F(FileSelectorTest, DoubleClickOrEnterOpensAFolderAndTheFileListFollows) {
    QSignalSpy changes(&dir_, &DirListBox::change);
    doubleClickItem(dir_, "Alpha");
    const QString alpha = fonts_ + QStringLiteral("/Alpha");
    EXPECT_EQ(dir_.path(), QDir::toNativeSeparators(alpha));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(texts(dir_), expectedFolderList(alpha, {}));
    EXPECT_EQ(file_.path(), dir_.path());
    EXPECT_EQ(texts(file_), QStringList({"one.txt"}));

    doubleClickItem(dir_, "fonts");
    EXPECT_EQ(dir_.path(), QDir::toNativeSeparators(fonts_));
    EXPECT_EQ(texts(file_).size(), 4);
    dir_.setCurrentItem(itemNamed(dir_, "beta"));
    QTest::keyClick(&dir_, Qt::Key_Return);
    EXPECT_EQ(dir_.path(), QDir::toNativeSeparators(fonts_ + QStringLiteral("/beta")));
    EXPECT_TRUE(texts(file_).isEmpty());

    doubleClickItem(dir_, QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_EQ(dir_.path(), QDir::toNativeSeparators(QDir::rootPath()));
    EXPECT_EQ(file_.path(), dir_.path());
    EXPECT_EQ(dir_.count(),
              QDir::root().entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size() + 1);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(FileSelectorTest, ClickOnFileSetsFontFileAndLabelAndFolderChangesLeaveThem) {
    const std::string folder = QDir::toNativeSeparators(fonts_).toStdString() + kPathSeparator;
    clickItem(file_, "b.hex");
    ASSERT_EQ(fontFiles_, std::vector<std::string>{folder + "b.hex"});
    EXPECT_EQ(lblFile_.text().toStdString(), "File : " + folder + "b.hex");
    EXPECT_EQ(file_.fileName(), QStringLiteral("b.hex"));
    QTest::keyClick(&file_, Qt::Key_Down);  // the keyboard chooses too
    EXPECT_EQ(fontFiles_, (std::vector<std::string>{folder + "b.hex", folder + "noext"}));

    const QString label = lblFile_.text();
    doubleClickItem(dir_, "Alpha");
    dir_.setPath(fonts_ + QStringLiteral("/beta"));
    EXPECT_EQ(fontFiles_.size(), 2u);
    EXPECT_EQ(lblFile_.text(), label);
}

TEST_F(FileSelectorTest, VanishedFolderIsReportedAndTheListsStayUsable) {
    clickItem(file_, "a.txt");
    const QString gone = fonts_ + QStringLiteral("/Alpha");
    ASSERT_TRUE(QDir(gone).removeRecursively());
    const Shown before = shown();
    QSignalSpy changes(&dir_, &DirListBox::change);

    doubleClickItem(dir_, "Alpha");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], std::pair(QStringLiteral("Error Reading Folder"),
                                      QStringLiteral("Path not found: ") + QDir::toNativeSeparators(gone)));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(shown(), (Shown{before.folder, expectedFolderList(fonts_, {".hid", "beta"}), before.files,
                              before.label}));
    EXPECT_EQ(fontFiles_.size(), 1u);

    doubleClickItem(dir_, "beta");
    EXPECT_EQ(dir_.path(), QDir::toNativeSeparators(fonts_ + QStringLiteral("/beta")));
    EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(FileSelectorTest, UnreadablePathSetByCodeKeepsThePreviousFolder) {
    const Shown before = shown();
    EXPECT_FALSE(dir_.setPath(fonts_ + QStringLiteral("/a.txt")));
    EXPECT_FALSE(dir_.setPath(fonts_ + QStringLiteral("/missing/deeper")));
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(shown(), before);
}

TEST_F(FileSelectorTest, ListsStartInTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(fonts_ + QStringLiteral("/Alpha")));
    DriveListBox drive;
    DirListBox dir;
    FileListBox file;
    QLabel label(QStringLiteral("File :"));
    FileSelector selector(drive, dir, file, label, nullptr, nullptr);
    QDir::setCurrent(previous);

    EXPECT_EQ(dir.path(), QDir::toNativeSeparators(fonts_ + QStringLiteral("/Alpha")));
    EXPECT_EQ(texts(file), QStringList({"one.txt"}));
    EXPECT_EQ(label.text(), QStringLiteral("File :"));
}

TEST_F(FileSelectorTest, DriveListHoldsEachDriveOnceAndPickingOneOpensItsRoot) {
    QStringList drives;
    for (int i = 0; i < drive_.count(); ++i) {
        drives << drive_.itemText(i);
    }
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.size(), QSet<QString>(drives.begin(), drives.end()).size());
#ifndef Q_OS_WIN
    EXPECT_EQ(drives.first(), QStringLiteral("/"));
#endif
    EXPECT_TRUE(QDir::toNativeSeparators(fonts_).startsWith(drive_.drive(), Qt::CaseInsensitive));

    clickItem(file_, "a.txt");
    const Shown before = shown();
    emit drive_.activated(drive_.currentIndex());
    EXPECT_EQ(shown(), before) << "the shown drive again changes nothing";
    int other = -1;
    for (int i = 0; i < drive_.count() && other < 0; ++i) {
        if (i != drive_.currentIndex() && !folderReadError(drive_.itemText(i).toStdString())) {
            other = i;
        }
    }
    if (other < 0) {
        GTEST_SKIP() << "no second readable drive";
    }
    drive_.setCurrentIndex(other);
    emit drive_.activated(other);
    EXPECT_EQ(dir_.path(), drive_.itemText(other));
    EXPECT_EQ(file_.path(), dir_.path());
    EXPECT_EQ(drive_.drive(), drive_.itemText(other));
    EXPECT_EQ(fontFiles_.size(), 1u);
    EXPECT_EQ(lblFile_.text(), before.label);
}

}  // namespace
}  // namespace ledfont::ui
