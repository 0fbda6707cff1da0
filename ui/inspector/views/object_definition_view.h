#pragma once

#include <optional>

#include "model/decoders/object_definition.h"
#include "model/decoders/text_table.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

class QLabel;
class QTableWidget;

namespace tarnwick {

// An object definition: above, the object as a buyer sees it (its picture,
// catalogue name and description in the inspector's language, price and
// GUID); below, every word by name, those that name other chunks as links.
class ObjectDefinitionView final : public InspectorView {
public:
    ObjectDefinitionView(ObjectDefinition definition, std::string label, InspectorContext& context,
                         QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QImage CurrentPicture() const override { return thumbnail_; }
    [[nodiscard]] QString TableText() const override;

private:
    QWidget* MakeBuyersCard();
    // The object's catalogue strings, when the file has them and they read.
    [[nodiscard]] std::optional<TextTable> CatalogueTexts() const;
    void ShowCatalogueTexts();
    void FillFields();

    ObjectDefinition definition_;
    std::string label_;  // the chunk's label: the name when the catalogue has none
    InspectorContext& context_;
    QImage thumbnail_;
    QStringList notes_;
    QLabel* name_;
    QLabel* description_;
    QTableWidget* fields_;
};

}  // namespace tarnwick
