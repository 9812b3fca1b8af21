#include "ui/ControlFactory.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editor/PictureSurface.h"
#include "ui/CanvasWidget.h"
#include "ui/FileSelector.h"
#include "ui/ListCombo.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {

namespace {

// The drive, folder and file lists; the only place that knows their classes.
QWidget* createFileSelectorControl(ControlKind kind, QWidget* container) {
    if (kind == ControlKind::DriveList) {
        return new DriveListBox(container);
    }
    if (kind == ControlKind::FolderList) {
        return new DirListBox(container);
    }
    return new FileListBox(container);
}

QWidget* createShape(QWidget* container) {
    auto* shape = new QFrame(container);
    shape->setAutoFillBackground(true);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, toQColor(editor::kMarkerColour));
    shape->setPalette(palette);
    return shape;
}

QWidget* createWidget(const ControlRow& row, QWidget* container) {
    QString caption = QString::fromLatin1(row.caption);
    switch (row.kind) {
        case ControlKind::Button:
            return new QPushButton(caption, container);
        case ControlKind::Frame:
            return new QGroupBox(caption, container);
        case ControlKind::Combo:
            // The design texts of the combo boxes are replaced by list items at start-up.
            return new ListCombo(container);
        case ControlKind::TextBox:
            return new QLineEdit(caption, container);
        case ControlKind::Option:
            return new QRadioButton(caption, container);
        case ControlKind::Label:
            return new QLabel(caption, container);
        case ControlKind::Picture:
            return new CanvasWidget({static_cast<double>(row.left), static_cast<double>(row.width),
                                     static_cast<double>(row.height)},
                                    container);
        case ControlKind::Shape:
            return createShape(container);
        case ControlKind::DriveList:
        case ControlKind::FolderList:
        case ControlKind::FileList:
            return createFileSelectorControl(row.kind, container);
    }
    return nullptr;
}

}  // namespace

QWidget* createControl(const ControlRow& row, QWidget* container) {
    QWidget* widget = createWidget(row, container);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    if (row.kind == ControlKind::Shape) {
        // A shape lies beneath the other controls of its container, as the picture overlaps its lower edge.
        widget->lower();
    }
    return widget;
}

}  // namespace ledfont::ui
