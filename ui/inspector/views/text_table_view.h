#pragma once

#include "model/decoders/text_table.h"
#include "ui/inspector/inspector_context.h"
#include "ui/inspector/inspector_view.h"

class QComboBox;
class QTableWidget;

namespace tarnwick {

// A string table as rows of index, language, value and comment, each
// language's text in its own code page, with a language filter when the table
// holds more than one. Picking a language there makes it the inspector's
// language for texts other views take from string tables.
class TextTableView final : public InspectorView {
public:
    TextTableView(TextTable table, InspectorContext& context, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QString TableText() const override;

private:
    void ShowLanguage(int language);  // -1: every language

    TextTable table_;
    QComboBox* languages_;
    QTableWidget* rows_;
};

}  // namespace tarnwick
