#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string_view>

#include "ui/common/twips.h"

namespace tarnwick {

// A control named `name` at (left, top) with (width, height), all in twips,
// inside `parent`.
template <typename Control>
Control* MakeControl(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsToPixels(QRect(left, top, width, height), *control));
    return control;
}

// A fixed caption beside a value, by default right-aligned against it.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                    int height, Qt::Alignment alignment = Qt::AlignRight);
// A value shown in a box with a single-line border, its text from the top.
QLabel* MakeValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height);
// Lowers the text of `caption`, placed at the same top as `value`, onto the
// baseline of the value's text, which starts below the value's frame.
void ShareBaseline(QLabel& caption, const QLabel& value);

// Gives a window its client area in twips and names it.
void SetUpWindow(QWidget& window, const char* name, const QString& caption, int width, int height);

// Keyboard focus moves through the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> controls);

// Bytes from a game file, one character per byte in the game's code page, up
// to the first NUL.
[[nodiscard]] QString FileText(std::string_view bytes);

}  // namespace tarnwick
