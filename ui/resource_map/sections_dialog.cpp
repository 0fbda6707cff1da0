#include "ui/resource_map/sections_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <utility>

#include "model/chunk_window/offset_view.h"
#include "model/decoders/resource_map.h"
#include "model/text/hex_text.h"
#include "ui/common/control_names.h"
#include "ui/common/controls.h"
#include "ui/resource_map/offset_hex_dialog.h"

namespace tarnwick {

namespace {

void FillList(QComboBox& list, const std::vector<std::string>& texts)
{
    list.clear();
    for (const std::string& text : texts)
        list.addItem(FileText(text));
    list.setCurrentIndex(-1);  // nothing chosen until the user picks
}

}  // namespace

SectionsDialog::SectionsDialog(const OpenFile& openFile, const ResourceMap& map)
    : openFile_(openFile), types_(map.Types), index_(map.Sections)
{
    SetUpWindow(*this, names::kSectionsDialog, QStringLiteral("rsmp"), 5265, 2835);
    setModal(true);

    auto* frame = MakeControl<QGroupBox>(this, names::kSectionsFrame, 120, 120, 4875, 2055);
    frame->setTitle(QStringLiteral("Sections"));
    MakeCaption(frame, names::kSectionTypeCaption, QStringLiteral("Section Type:"), 180, 420, 1035, 195);
    typeList_ = MakeControl<QComboBox>(frame, names::kSectionTypes, 1260, 360, 1515, 315);
    MakeCaption(frame, names::kSectionIdCaption, QStringLiteral("Section ID:"), 240, 840, 915, 195);
    idList_ = MakeControl<QComboBox>(frame, names::kSectionIds, 1260, 780, 1515, 315);
    MakeCaption(frame, names::kDescriptionCaption, QStringLiteral("Description:"), 300, 1260, 855, 195);
    description_ = MakeValueLabel(frame, names::kSectionDescription, 1260, 1260, 3075, 255);
    MakeCaption(frame, names::kFilePositionCaption, QStringLiteral("File Position:"), 240, 1560, 915, 195);
    position_ = MakeValueLabel(frame, names::kSectionPosition, 1260, 1560, 3075, 255);
    for (const auto& [caption, value] :
         {std::pair{names::kDescriptionCaption, description_}, {names::kFilePositionCaption, position_}})
        ShareBaseline(*frame->findChild<QLabel*>(QString::fromLatin1(caption)), *value);

    auto* close = MakeControl<QPushButton>(this, names::kSectionsClose, 120, 2280, 1095, 315);
    close->setText(QStringLiteral("&Close"));
    close->setAutoDefault(false);
    auto* edit = MakeControl<QPushButton>(this, names::kSectionsEdit, 1320, 2280, 975, 315);
    edit->setText(QStringLiteral("&Edit"));
    edit->setAutoDefault(false);

    connect(typeList_, &QComboBox::activated, this, &SectionsDialog::TypeChosen);
    connect(idList_, &QComboBox::activated, this, &SectionsDialog::IdChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(edit, &QPushButton::clicked, this, &SectionsDialog::EditClicked);

    SetTabOrder({typeList_, idList_, close, edit});
    typeList_->setFocus();
    FillList(*typeList_, types_);
    FillList(*idList_, ids_);
    description_->clear();
    position_->clear();
}

void SectionsDialog::TypeChosen(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= types_.size())
        return;
    ids_ = index_.IdsOfType(types_[static_cast<std::size_t>(index)]);
    FillList(*idList_, ids_);
}

void SectionsDialog::IdChosen(int index)
{
    const int type = typeList_->currentIndex();
    if (type < 0 || index < 0 || static_cast<std::size_t>(index) >= ids_.size())
        return;
    const SectionEntry* entry =
        index_.Find(types_[static_cast<std::size_t>(type)], ids_[static_cast<std::size_t>(index)]);
    if (entry == nullptr)
        return;
    description_->setText(FileText(entry->Name));
    position_->setText(QString::fromStdString(Hex8(static_cast<std::uint32_t>(entry->Offset))));
}

void SectionsDialog::EditClicked()
{
    // Before an identifier is chosen the label holds no number, and the view
    // shows no bytes.
    const auto offset = ParseHexText(position_->text().toStdString());
    const OffsetViewTexts texts =
        offset ? MakeOffsetViewTexts(openFile_.FileData.span(), *offset) : OffsetViewTexts{};
    OffsetHexDialog view;
    view.SetTexts(texts);
    view.exec();
}

}  // namespace tarnwick
