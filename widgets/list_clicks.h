#pragma once

#include <QAbstractItemView>
#include <QObject>

namespace tarnwick {

// A classic list box's Click for a single-selection item view: raised on every
// change of the selected line, by mouse, arrow keys or code, and on a mouse
// click on the line that is already selected.
class ListClicks : public QObject {
    Q_OBJECT
public:
    // The view's model must be set already: the clicks follow its selection.
    explicit ListClicks(QAbstractItemView& view);

    // While quiet, changes of the selection raise nothing: a list refreshed
    // under the user's eyes is no click.
    void SetQuiet(bool quiet) { quiet_ = quiet; }

signals:
    void clicked();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    [[nodiscard]] int SelectedRow() const;

    QAbstractItemView& view_;
    int rowAtPress_ = -1;             // the selected row before a press, to tell a click on it
    bool changedSincePress_ = false;  // that press already raised Click
    bool quiet_ = false;
};

}  // namespace tarnwick
