#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

namespace tarnwick {

// What the inspector shows a chunk's contents in: one view a kind of content,
// each over a decoder of the model. The window asks a view what it can copy
// and save.
class InspectorView : public QWidget {
public:
    using QWidget::QWidget;

    // A line or two about the contents: trailing bytes, the palette used, frames
    // that stopped early. Empty when there is nothing to say.
    [[nodiscard]] virtual QString Note() const { return {}; }
    // Puts the selection, or the current picture, on the clipboard.
    virtual void Copy() const = 0;
    // The picture in view (the current frame, the palette, the bitmap), if any.
    [[nodiscard]] virtual QImage CurrentPicture() const { return {}; }
    // Every frame of a sprite; empty for other views.
    [[nodiscard]] virtual std::vector<QImage> Frames() const { return {}; }
    // The contents as UTF-8 tab-separated text, if they are a table.
    [[nodiscard]] virtual QString TableText() const { return {}; }
};

// Tab-separated text: tabs, line breaks and backslashes in a field written as
// \t, \n and \\ so each row stays one line.
[[nodiscard]] QString TabSeparated(const QStringList& fields);

}  // namespace tarnwick
