#pragma once

#include "model/decoders/palette.h"
#include "ui/inspector/inspector_view.h"

namespace tarnwick {

// A palette as a grid of swatches, sixteen a row, each with its index and
// #rrggbb.
class PaletteView final : public InspectorView {
public:
    explicit PaletteView(Palette palette, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QImage CurrentPicture() const override;
    [[nodiscard]] QString TableText() const override;

private:
    Palette palette_;
    QWidget* grid_;
};

}  // namespace tarnwick
