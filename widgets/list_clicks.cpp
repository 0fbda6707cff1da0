#include "widgets/list_clicks.h"

#include <QMouseEvent>
#include <utility>

namespace tarnwick {

ListClicks::ListClicks(QAbstractItemView& view) : QObject(&view), view_(view)
{
    view.viewport()->installEventFilter(this);
    // Covers mouse, arrow keys and code alike; a list widget's clear() empties
    // the selection before the items go, so a handler never sees a line about
    // to vanish.
    connect(view.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        changedSincePress_ = true;
        if (!quiet_)
            emit clicked();
    });
}

int ListClicks::SelectedRow() const
{
    // With single selection there is at most one.
    const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool ListClicks::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        rowAtPress_ = SelectedRow();
        changedSincePress_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // Reset here: the second press of a double click arrives as a
        // double-click event, not a press, and must raise nothing on its release.
        const int pressedRow = std::exchange(rowAtPress_, -1);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click that left the selection alone still counts when it hit the
        // selected line: the user wants that line again. A click that changed
        // the selection has already raised Click. The release never changes a
        // single selection, so it is judged before the view sees it.
        if (mouse->button() == Qt::LeftButton && pressedRow >= 0 && !changedSincePress_) {
            const QModelIndex hit = view_.indexAt(mouse->position().toPoint());
            if (hit.isValid() && hit.row() == pressedRow && SelectedRow() == pressedRow)
                emit clicked();
        }
    }
    return false;
}

}  // namespace tarnwick
