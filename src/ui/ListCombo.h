#pragma once

#include <QComboBox>

namespace ledfont::ui {

// A combo box whose selection raises click() both when the user picks an entry and whenever code sets
// listIndex, also to the index it already has; the handler runs at once, inside setListIndex.
class ListCombo : public QComboBox {
    Q_OBJECT

  public:
    explicit ListCombo(QWidget* parent = nullptr);

    int listIndex() const { return currentIndex(); }
    // -1 clears the selection; anything outside -1..count-1 is a subscript error.
    void setListIndex(int index);

  signals:
    void click();
};

}  // namespace ledfont::ui
