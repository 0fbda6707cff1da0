#pragma once

#include <functional>

#include "model/decoders/resource_map.h"
#include "ui/inspector/inspector_view.h"

class QTableWidget;

namespace tarnwick {

// A resource map's entries as a table sortable by any column. A double-click
// on an entry calls `pick` with the entry's file offset.
class ResourceMapView final : public InspectorView {
public:
    ResourceMapView(const ResourceMap& map, std::function<void(std::int32_t offset)> pick,
                    QWidget* parent = nullptr);

    void Copy() const override;
    [[nodiscard]] QString TableText() const override;
    [[nodiscard]] QTableWidget& Entries() const { return *entries_; }

private:
    [[nodiscard]] QString RowText(int row) const;

    QTableWidget* entries_;
};

}  // namespace tarnwick
