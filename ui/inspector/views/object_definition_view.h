#pragma once

#include <optional>

#include "model/decoders/object_definition.h"
#include "model/decoders/object_picture.h"
#include "model/decoders/text_table.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

class QLabel;
class QTableWidget;
class QTabWidget;

namespace tarnwick {

class DrawGroupView;

// An object definition: above, the object as a buyer sees it (its picture,
// catalogue name and description in the inspector's language, price and
// GUID, and the game object it replaces when a download); below, every word
// by name, those that name other chunks as links.
// A multi-tile group's master is drawn as its tiles put together, and has a
// second page of the whole object in every rotation and zoom.
class ObjectDefinitionView final : public InspectorView {
public:
    ObjectDefinitionView(ObjectDefinition definition, std::string label, InspectorContext& context,
                         QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    // The picture on the buyer's card, or the whole object's view in the grid.
    [[nodiscard]] QImage CurrentPicture() const override;
    // A master's: the whole object's twelve views.
    [[nodiscard]] std::vector<QImage> Frames() const override;
    [[nodiscard]] QString TableText() const override;
    // Shows the game object this one replaces, once the game's objects are known.
    void ShowReplaced();

private:
    QWidget* MakeBuyersCard(const ObjectViews* whole);
    void ShowPictureNotes(const CataloguePicture& picture);
    [[nodiscard]] bool ShowingWholeObject() const;
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
    QLabel* replaced_;
    std::optional<library::ChunkPlace> original_;  // of the object this one replaces
    QTableWidget* fields_;
    QTabWidget* pages_ = nullptr;  // a master's: its fields and the whole object
    DrawGroupView* wholeObject_ = nullptr;
};

}  // namespace tarnwick
