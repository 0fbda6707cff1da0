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
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int rowAtPress_ = -1;  // the selected row before a press, to tell a click on it
    bool selectionChangedSincePress_ = false;  // that press already raised Click
};

}  // namespace tarnwick
