#include "widgets/list_box.h"

#include "widgets/list_clicks.h"

namespace tarnwick {

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(new ListClicks(*this), &ListClicks::clicked, this, &ListBox::clicked);
}

}  // namespace tarnwick
