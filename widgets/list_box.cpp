#include "widgets/list_box.h"

#include <QMouseEvent>

#include <utility>

namespace tarnwick {

namespace {

// The selected row, or -1: with single selection there is at most one.
int SelectedRow(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Covers mouse, arrow keys and code alike; clear() empties the selection
    // before the items go, so a handler never sees a line about to vanish.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        selectionChangedSincePress_ = true;
        emit Click();
    });
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    rowAtPress_ = SelectedRow(*this);
    selectionChangedSincePress_ = false;
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    // Reset here: the second press of a double click arrives as a double-click
    // event, not a press, and must raise nothing on its release.
    const int pressedRow = std::exchange(rowAtPress_, -1);
    // A click that left the selection alone still counts when it hit the
    // selected line: the user wants that line again. A click that changed
    // the selection has already raised Click.
    if (event->button() != Qt::LeftButton || pressedRow < 0 || selectionChangedSincePress_)
        return;
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (hit.isValid() && hit.row() == pressedRow && SelectedRow(*this) == pressedRow)
        emit Click();
}

}  // namespace tarnwick
