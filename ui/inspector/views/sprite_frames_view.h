#pragma once

#include <vector>

#include "model/container/chunk_table.h"
#include "model/decoders/palette.h"
#include "model/decoders/sprite.h"
#include "ui/inspector/frame_image.h"
#include "ui/inspector/inspector_view.h"

class QComboBox;

namespace tarnwick {

class FrameGrid;

// Every frame of a sprite in a grid with its number and size, drawn with the
// palette the game would use, over a checkerboard where transparent; zoomed
// 1x to 8x without smoothing. SPR2 frames can show their depth or alpha
// channel instead of their colours. A click makes a frame the current one.
class SpriteFramesView final : public InspectorView {
public:
    SpriteFramesView(Sprite sprite, const ChunkTable& chunks, std::uint16_t spriteId,
                     QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QImage CurrentPicture() const override;
    [[nodiscard]] std::vector<QImage> Frames() const override;

    void SetZoom(int zoom);
    void SetChannel(SpriteChannel channel);
    [[nodiscard]] int CurrentFrame() const;

private:
    void Render();

    Sprite sprite_;
    std::vector<Palette> palettes_;  // one a frame
    QStringList notes_;
    SpriteChannel channel_ = SpriteChannel::Colour;
    QComboBox* zoom_;
    QComboBox* channels_;
    FrameGrid* grid_;
};

}  // namespace tarnwick
