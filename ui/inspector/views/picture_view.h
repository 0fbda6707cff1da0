#pragma once

#include "ui/inspector/inspector_view.h"

class QComboBox;
class QLabel;

namespace tarnwick {

// A whole picture, zoomed 1x to 8x without smoothing, scrollable.
class PictureView final : public InspectorView {
public:
    explicit PictureView(QImage picture, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QImage CurrentPicture() const override { return picture_; }

    void SetZoom(int zoom);

private:
    void Render();

    QImage picture_;
    QComboBox* zoom_;
    QLabel* canvas_;
};

}  // namespace tarnwick
