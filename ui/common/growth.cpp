#include "ui/common/growth.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

int Share(double share, int extra) { return static_cast<int>(std::lround(share * extra)); }

}  // namespace

Growth::Growth(QWidget& container) : QObject(&container), container_(container), default_(container.size())
{
    container.installEventFilter(this);
}

void Growth::Add(QWidget& control, EdgeShares shares)
{
    anchored_.push_back({&control, control.geometry(), shares});
    Place();
}

QRect Growth::Grown(const QRect& base, EdgeShares shares, QSize extra)
{
    const int wider = std::max(0, extra.width());
    const int taller = std::max(0, extra.height());
    // Edges, not sizes, move, so that two controls that meet keep meeting.
    const int left = base.x() + Share(shares.left, wider);
    const int top = base.y() + Share(shares.top, taller);
    const int right = base.x() + base.width() + Share(shares.right, wider);
    const int bottom = base.y() + base.height() + Share(shares.bottom, taller);
    return {left, top, right - left, bottom - top};
}

bool Growth::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &container_ && event->type() == QEvent::Resize)
        Place();
    return QObject::eventFilter(watched, event);
}

void Growth::Place()
{
    const QSize extra = container_.size() - default_;
    for (const Anchored& anchored : anchored_)
        if (anchored.control)
            anchored.control->setGeometry(Grown(anchored.base, anchored.shares, extra));
}

}  // namespace tarnwick
