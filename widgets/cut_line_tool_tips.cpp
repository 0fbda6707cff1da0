#include "widgets/cut_line_tool_tips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyleOptionViewItem>
#include <QToolTip>

namespace tarnwick {

namespace {

class CutLineToolTips : public QObject {
public:
    explicit CutLineToolTips(QAbstractItemView& view) : QObject(&view), view_(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return QObject::eventFilter(watched, event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = view_.indexAt(help->pos());
        if (index.isValid() && IsCut(index))
            QToolTip::showText(help->globalPos(), index.data().toString(), view_.viewport(),
                               view_.visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }

private:
    // Whether the line reaches past either side of the view's visible width.
    // The delegate measures the line itself: with uniform item sizes the
    // view's own rectangle is that of the first line.
    bool IsCut(const QModelIndex& index) const
    {
        QStyleOptionViewItem option;
        option.initFrom(view_.viewport());
        option.font = view_.font();
        const QRect line = view_.visualRect(index);
        const int width = view_.itemDelegateForIndex(index)->sizeHint(option, index).width();
        return line.left() < 0 || line.left() + width > view_.viewport()->width();
    }

    QAbstractItemView& view_;
};

}  // namespace

void ShowCutLinesInToolTips(QAbstractItemView& view)
{
    view.viewport()->installEventFilter(new CutLineToolTips(view));
}

}  // namespace tarnwick
