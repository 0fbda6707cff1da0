#pragma once

#include "model/decoders/behaviour.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

class QTableWidget;

namespace tarnwick {

// A behaviour as its header fields above a table of its instructions: what
// each runs by name, its operands decoded where their layout is known, where
// it goes when true and when false, its operand bytes. A call to a behaviour
// of this file is a link; a click on a target selects the instruction it goes
// to; a target past the last instruction is flagged and goes nowhere.
class BehaviourView final : public InspectorView {
public:
    BehaviourView(Behaviour behaviour, const InspectorContext& context, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QString TableText() const override;

private:
    void Fill(const InspectorContext& context);
    void GoToInstruction(int index);

    Behaviour behaviour_;
    QTableWidget* rows_;
    int targetsPastTheEnd_ = 0;
};

}  // namespace tarnwick
