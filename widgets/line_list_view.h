#pragma once

#include <QAbstractItemView>

namespace tarnwick {

// A list of one-line rows of one height, however many: it paints only the lines
// it shows and keeps nothing per row, so a model of a hundred million rows
// costs what one of ten does. It scrolls a line at a time, so its scroll range
// counts lines rather than pixels, which would overflow. One line is selected
// at a time; Ctrl+C copies it. A line cut by the list's width shows whole in
// a tooltip.
class LineListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit LineListView(QWidget* parent = nullptr);

    // Lines as high as the first row's item (icon and margins included)
    // rather than as the font.
    void SetLinesFitItems(bool fit);

    // QAbstractItemView
    [[nodiscard]] QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    [[nodiscard]] QModelIndex indexAt(const QPoint& point) const override;
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    [[nodiscard]] int horizontalOffset() const override;
    [[nodiscard]] int verticalOffset() const override;
    [[nodiscard]] bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    [[nodiscard]] QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    [[nodiscard]] int RowCount() const;
    [[nodiscard]] int FirstShownRow() const;
    [[nodiscard]] int LineHeight() const;
    // Lines that fit whole in the viewport, at least one.
    [[nodiscard]] int WholeLinesShown() const;
    // The pixel top of `row` in the viewport, clamped far outside it.
    [[nodiscard]] int RowTop(int row) const;
    void WidenToLinesShown();

    bool linesFitItems_ = false;
    int lineHeight_ = 1;
    int contentWidth_ = 0;  // the widest line painted since the model was reset
};

}  // namespace tarnwick
