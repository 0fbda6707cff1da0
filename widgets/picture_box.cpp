#include "widgets/picture_box.h"

#include <QPainter>

namespace tarnwick {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::Panel | QFrame::Sunken); }

void PictureBox::SetPicture(const QImage& picture)
{
    const QSize area = contentsRect().size().expandedTo(QSize(1, 1));
    if (canvas_.size() != area)
        canvas_ = QImage(area, QImage::Format_RGB32);
    canvas_.fill(palette().color(QPalette::Window));
    if (!picture.isNull()) {
        QPainter painter(&canvas_);
        painter.drawImage(0, 0, picture);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter(this).drawImage(contentsRect().topLeft(), canvas_);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // The box keeps its size once placed; a new size starts it empty.
    if (canvas_.size() != contentsRect().size())
        Clear();
}

}  // namespace tarnwick
