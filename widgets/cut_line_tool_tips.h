#pragma once

class QAbstractItemView;

namespace tarnwick {

// Makes the mouse resting on a line of `view` that its width cuts show the
// whole line in a tooltip. Lines that show whole get none.
void ShowCutLinesInToolTips(QAbstractItemView& view);

}  // namespace tarnwick
