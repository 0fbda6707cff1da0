#pragma once

#include "model/decoders/hex_rows.h"
#include "ui/inspector/inspector_view.h"

class QTableView;

namespace tarnwick {

class HexRowsModel;

// Any chunk as hex, sixteen bytes a line with offsets from the chunk's and
// the file's start; any run of lines can be selected and copied as text.
class HexView final : public InspectorView {
public:
    HexView(HexRows rows, QWidget* parent = nullptr);

    void Copy() const override;
    [[nodiscard]] QTableView& Lines() const { return *list_; }

private:
    HexRowsModel* model_;
    QTableView* list_;
};

}  // namespace tarnwick
