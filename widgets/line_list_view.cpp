#include "widgets/line_list_view.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace tarnwick {

LineListView::LineListView(QWidget* parent) : QAbstractItemView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

int LineListView::RowCount() const { return model() == nullptr ? 0 : model()->rowCount(rootIndex()); }

int LineListView::FirstShownRow() const { return verticalScrollBar()->value(); }

void LineListView::SetLinesFitItems(bool fit)
{
    linesFitItems_ = fit;
    updateGeometries();
}

int LineListView::LineHeight() const { return lineHeight_; }

int LineListView::WholeLinesShown() const { return std::max(1, viewport()->height() / LineHeight()); }

int LineListView::RowTop(int row) const
{
    // Far rows are placed just outside the viewport: their pixel distance may
    // not fit in an int.
    const int limit = viewport()->height() / LineHeight() + 2;
    return std::clamp(row - FirstShownRow(), -2, limit) * LineHeight();
}

QRect LineListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    const int width = std::max(viewport()->width(), contentWidth_);
    return {-horizontalOffset(), RowTop(index.row()), width, LineHeight()};
}

void LineListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const int shown = WholeLinesShown();
    QScrollBar* bar = verticalScrollBar();
    switch (hint) {
    case PositionAtTop:
        bar->setValue(row);
        break;
    case PositionAtBottom:
        bar->setValue(row - shown + 1);
        break;
    case PositionAtCenter:
        bar->setValue(row - shown / 2);
        break;
    case EnsureVisible:
        if (row < bar->value())
            bar->setValue(row);
        else if (row >= bar->value() + shown)
            bar->setValue(row - shown + 1);
        break;
    }
}

QModelIndex LineListView::indexAt(const QPoint& point) const
{
    if (point.y() < 0 || model() == nullptr)
        return {};
    const qint64 row = qint64{FirstShownRow()} + point.y() / LineHeight();
    return row < RowCount() ? model()->index(static_cast<int>(row), 0, rootIndex()) : QModelIndex();
}

void LineListView::reset()
{
    QAbstractItemView::reset();
    contentWidth_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateGeometries();
}

QModelIndex LineListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int count = RowCount();
    if (count == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    const int page = std::max(1, WholeLinesShown() - 1);
    int row = current;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        row = current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - page;
        break;
    case MovePageDown:
        row = current < 0 ? page : current + page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        return currentIndex();
    }
    return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

int LineListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int LineListView::verticalOffset() const
{
    return 0;  // scrolled by lines: rows are placed from the first one shown
}

bool LineListView::isIndexHidden(const QModelIndex&) const { return false; }

void LineListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const int count = RowCount();
    if (count == 0)
        return;
    const QRect area = rect.normalized();
    const auto rowAt = [&](int y) {
        return static_cast<int>(std::clamp<qint64>(qint64{FirstShownRow()} + y / LineHeight(), 0, count - 1));
    };
    const QModelIndex top = model()->index(rowAt(std::max(0, area.top())), 0, rootIndex());
    const QModelIndex bottom = model()->index(rowAt(std::max(0, area.bottom())), 0, rootIndex());
    selectionModel()->select(QItemSelection(top, bottom), command);
}

QRegion LineListView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect top = visualRect(range.topLeft());
        const QRect bottom = visualRect(range.bottomRight());
        region += top.united(bottom);
    }
    return region;
}

void LineListView::updateGeometries()
{
    lineHeight_ = std::max(1, fontMetrics().height());
    if (linesFitItems_ && RowCount() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex first = model()->index(0, 0, rootIndex());
        lineHeight_ = std::max(lineHeight_, itemDelegate()->sizeHint(option, first).height());
    }
    const int shown = WholeLinesShown();
    QScrollBar* lines = verticalScrollBar();
    lines->setRange(0, std::max(0, RowCount() - shown));
    lines->setPageStep(shown);
    lines->setSingleStep(1);
    WidenToLinesShown();
    QAbstractItemView::updateGeometries();
}

void LineListView::WidenToLinesShown()
{
    // A list without a horizontal scroll bar cuts its lines at its width.
    if (model() != nullptr && horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const int last = std::min(RowCount(), FirstShownRow() + WholeLinesShown() + 1);
        for (int row = FirstShownRow(); row < last; ++row)
            contentWidth_ = std::max(
                contentWidth_, itemDelegate()->sizeHint(option, model()->index(row, 0, rootIndex())).width());
    }
    QScrollBar* columns = horizontalScrollBar();
    columns->setRange(0, std::max(0, contentWidth_ - viewport()->width()));
    columns->setPageStep(viewport()->width());
    columns->setSingleStep(fontMetrics().averageCharWidth());
}

void LineListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void LineListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    // The rows are counted again once they are gone.
    QMetaObject::invokeMethod(this, &LineListView::updateGeometries, Qt::QueuedConnection);
}

void LineListView::scrollContentsBy(int dx, int dy)
{
    if (dy != 0)
        WidenToLinesShown();
    QAbstractItemView::scrollContentsBy(dx, dy);
    viewport()->update();
}

void LineListView::paintEvent(QPaintEvent*)
{
    if (model() == nullptr)
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State base = option.state;
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus() || viewport()->hasFocus();
    const int last = std::min(RowCount(), FirstShownRow() + WholeLinesShown() + 1);
    for (int row = FirstShownRow(); row < last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = base;
        if (selectionModel() != nullptr && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focused && index == current)
            option.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, option, index);
    }
}

void LineListView::changeEvent(QEvent* event)
{
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometries();
}

bool LineListView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractItemView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const bool cut =
        index.isValid() &&
        visualRect(index).left() + itemDelegate()->sizeHint(option, index).width() > viewport()->width();
    if (cut)
        QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), visualRect(index));
    else
        QToolTip::hideText();
    return true;
}

}  // namespace tarnwick
