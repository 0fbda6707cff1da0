#pragma once

#include "model/decoders/small_tables.h"
#include "ui/inspector/inspector_view.h"

class QLabel;
class QTableWidget;

namespace tarnwick {

// Constants as rows of index and value, read signed, unsigned and in hex.
class ConstantsView final : public InspectorView {
public:
    explicit ConstantsView(Constants constants, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;
    [[nodiscard]] QString TableText() const override;

private:
    Constants constants_;
    QTableWidget* rows_;
};

// The name of the semi-global file, and how it is written.
class GlobalNameView final : public InspectorView {
public:
    explicit GlobalNameView(GlobalName global, QWidget* parent = nullptr);

    [[nodiscard]] QString Note() const override;
    void Copy() const override;

private:
    GlobalName global_;
    QLabel* name_;
};

}  // namespace tarnwick
