#pragma once

#include <QFrame>
#include <QImage>

namespace tarnwick {

// A box that shows a picture from its top left corner, clipped to its size.
// What it shows is held in an image of the box, so it survives repaints and
// can be drawn into pixel by pixel.
class PictureBox : public QFrame {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Replaces what the box shows with `picture`, or with nothing.
    void SetPicture(const QImage& picture);
    void Clear() { SetPicture(QImage()); }
    // The image of the box's drawing area; call update() after drawing into it.
    [[nodiscard]] QImage& Canvas() { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
};

}  // namespace tarnwick
