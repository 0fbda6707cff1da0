#pragma once

#include <QListWidget>

namespace tarnwick {

// A single-selection list whose Click fires as a classic list box's does: on
// every change of the selected line, by mouse or arrow keys, and on a mouse
// click on the line that is already selected. Lines stay in the order added.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

signals:
    void clicked();
};

}  // namespace tarnwick
