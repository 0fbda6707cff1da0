#pragma once

#include <vector>

#include <optional>

#include "model/container/chunk_table.h"
#include "model/decoders/draw_group.h"
#include "model/decoders/draw_group_composite.h"
#include "ui/inspector/inspector_view.h"

class QLabel;

namespace tarnwick {

class DrawGroupGrid;
class ZoomedPicture;

// A draw group as the game draws it: its twelve images composited, in a grid
// of the four rotations (columns) at the near, middle and far zooms (rows),
// and the chosen one large. Left and Right turn the object, Up and Down zoom;
// a click on the grid picks an image.
class DrawGroupView final : public InspectorView {
public:
    static constexpr int kRotations = 4;
    static constexpr int kZooms = 3;

    DrawGroupView(const DrawGroup& group, const ChunkTable& chunks, QWidget* parent = nullptr);
    // Twelve views composited already, as ComposeViews gives them (a whole
    // multi-tile object's), with lines about them.
    DrawGroupView(const std::vector<std::optional<Decoded<Composite>>>& views, QStringList notes,
                  QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QImage CurrentPicture() const override;
    // The twelve images, row by row from the near zoom; null where the group
    // has none.
    [[nodiscard]] std::vector<QImage> Frames() const override { return images_; }

    // Picks the image of rotation `rotation` (0-3) at zoom row `zoomRow` (0 near ... 2 far).
    void Pick(int rotation, int zoomRow);
    [[nodiscard]] int Rotation() const { return rotation_; }
    [[nodiscard]] int ZoomRow() const { return zoomRow_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<QImage> images_;  // kZooms rows of kRotations
    QStringList notes_;
    int rotation_ = 0;
    int zoomRow_ = 0;
    DrawGroupGrid* grid_;
    ZoomedPicture* large_;
    QLabel* caption_;
};

}  // namespace tarnwick
