#include "ui/common/controls.h"

#include <algorithm>

#include "model/text/windows1252.h"
#include "widgets/fonts.h"

namespace tarnwick {

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                    int height, Qt::Alignment alignment)
{
    auto* label = MakeControl<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    label->setAlignment(alignment | Qt::AlignTop);
    // A caption wider than its place grows away from its value (to the left
    // when right-aligned), so it is never cut.
    const int grow = label->sizeHint().width() - label->width();
    if (grow > 0) {
        const QRect place = label->geometry();
        label->setGeometry(alignment & Qt::AlignRight ? place.adjusted(-std::min(grow, place.x()), 0, 0, 0)
                                                      : place.adjusted(0, 0, grow, 0));
    }
    return label;
}

QLabel* MakeValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* label = MakeControl<QLabel>(parent, name, left, top, width, height);
    label->setText(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Left alone, the text starts at the top, just inside the frame: a framed
    // label indents its text from each edge it is aligned to, so an aligned
    // top would push it below the caption's baseline.
    label->setAlignment(Qt::AlignLeft);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ShareBaseline(QLabel& caption, const QLabel& value)
{
    const int valueTextTop = value.y() + value.contentsRect().top();
    caption.setContentsMargins(0, std::max(0, valueTextTop - caption.y()), 0, 0);
}

void SetUpWindow(QWidget& window, const char* name, const QString& caption, int width, int height)
{
    window.setObjectName(QString::fromLatin1(name));
    window.setFont(WindowFont());
    window.setWindowTitle(caption);
    window.resize(TwipsToPixels(QSize(width, height), window));
}

void SetTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QString FileText(std::string_view bytes)
{
    // Text controls end a text at its first NUL, as the game's own tools show it.
    return QString::fromStdString(Windows1252ToUtf8(bytes.substr(0, bytes.find('\0'))));
}

}  // namespace tarnwick
