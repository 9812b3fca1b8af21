#include "ui/ControlFactory.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

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

QWidget* createControl(const ControlRow& row, QWidget* container, const TwipsScale& scale) {
    QWidget* widget = createWidget(row, container);
    widget->setObjectName(QString::fromLatin1(row.name));
    placeControl(widget, row, scale);
    if (row.kind == ControlKind::Shape) {
        // A shape lies beneath the other controls of its container, as the picture overlaps its lower edge.
        widget->lower();
    }
    return widget;
}

void placeControl(QWidget* widget, const ControlRow& row, const TwipsScale& scale) {
    QRect place = scale.rect(row.left, row.top, row.width, row.height);
    const int line = widget->fontMetrics().height();
    if (row.kind != ControlKind::Frame && row.kind != ControlKind::Shape && place.height() < line) {
        place.adjust(0, -(line - place.height()) / 2, 0, 0);
        place.setHeight(line);
    }
    widget->setGeometry(place);
}

bool captionWidthFits(const QWidget* widget, const ControlRow& row, const TwipsScale& scale) {
    const int room = scale.rect(row.left, row.top, row.width, row.height).width();
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return metrics.horizontalAdvance(button->text()) +
                   2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin) <=
               room;
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return metrics.horizontalAdvance(frame->title()) <= room;
    }
    if (row.kind == ControlKind::Option || row.kind == ControlKind::Label || row.kind == ControlKind::Combo) {
        return widget->sizeHint().width() <= room;
    }
    return true;
}

}  // namespace ledfont::ui
