#include "ui/ListCombo.h"

#include <QSignalBlocker>

#include "font/FontTables.h"

namespace ledfont::ui {

ListCombo::ListCombo(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, &ListCombo::click);
}

void ListCombo::setListIndex(int index) {
    checkIndex(index + 1, count());
    {
        // Qt's own change signals stay quiet so that click() is the single notification.
        QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    emit click();
}

}  // namespace ledfont::ui
