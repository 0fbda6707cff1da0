#pragma once

#include <cstdint>
#include <optional>

#include "model/decoders/interactions.h"
#include "model/decoders/text_table.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

class QTableWidget;

namespace tarnwick {

// An interaction table as one row per interaction: its text from the TTAs
// of the same ID in the inspector's language, its action and test behaviours
// as links, its flags, attenuation, autonomy, joining index and motive entries.
class InteractionsView final : public InspectorView {
public:
    InteractionsView(InteractionTable table, InspectorContext& context, std::uint16_t id,
                     QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QString TableText() const override;

private:
    void Fill(const InspectorContext& context);
    void FillTexts(int language);

    InteractionTable table_;
    std::uint16_t id_;
    std::optional<TextTable> texts_;  // the TTAs of the same ID, when the file has one that reads
    QTableWidget* rows_;
};

}  // namespace tarnwick
