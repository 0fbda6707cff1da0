#pragma once

#include "model/decoders/sound_event.h"
#include "ui/inspector/inspector_view.h"

class QLabel;

namespace tarnwick {

// The name of a sound event.
class SoundEventView final : public InspectorView {
public:
    explicit SoundEventView(SoundEvent sound, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;

private:
    SoundEvent sound_;
    QLabel* name_;
};

}  // namespace tarnwick
