#include "ui/resource_map/sections_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "ui/common/controls.h"
#include "ui/resource_map/offset_hex_dialog.h"
#include "model/hex_text.h"
#include "model/offset_view.h"
#include "model/resource_map.h"

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

Form3::Form3(Module1& module) : module_(module)
{
    SetUpWindow(*this, "Form3", QStringLiteral("rsmp"), 5265, 2835);
    setModal(true);

    auto* frame = MakeControl<QGroupBox>(this, "Frame1", 120, 120, 4875, 2055);
    frame->setTitle(QStringLiteral("Sections"));
    MakeCaption(frame, "Label1", QStringLiteral("Section Type:"), 180, 420, 1035, 195);
    Combo1_ = MakeControl<QComboBox>(frame, "Combo1", 1260, 360, 1515, 315);
    MakeCaption(frame, "Label2", QStringLiteral("Section ID:"), 240, 840, 915, 195);
    Combo2_ = MakeControl<QComboBox>(frame, "Combo2", 1260, 780, 1515, 315);
    MakeCaption(frame, "Label3", QStringLiteral("Description:"), 300, 1260, 855, 195);
    Label4_ = MakeValueLabel(frame, "Label4", 1260, 1260, 3075, 255);
    MakeCaption(frame, "Label5", QStringLiteral("File Position:"), 240, 1560, 915, 195);
    Label6_ = MakeValueLabel(frame, "Label6", 1260, 1560, 3075, 255);

    auto* close = MakeControl<QPushButton>(this, "Command1", 120, 2280, 1095, 315);
    close->setText(QStringLiteral("&Close"));
    close->setAutoDefault(false);
    auto* edit = MakeControl<QPushButton>(this, "Command2", 1320, 2280, 975, 315);
    edit->setText(QStringLiteral("&Edit"));
    edit->setAutoDefault(false);

    connect(Combo1_, &QComboBox::activated, this, &Form3::Combo1_Click);
    connect(Combo2_, &QComboBox::activated, this, &Form3::Combo2_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(edit, &QPushButton::clicked, this, &Form3::Command2_Click);

    SetTabOrder({Combo1_, Combo2_, close, edit});
    Combo1_->setFocus();
}

void Form3::SetTypes(std::vector<std::string> types)
{
    types_ = std::move(types);
    FillList(*Combo1_, types_);
    ids_.clear();
    FillList(*Combo2_, ids_);
    Label4_->clear();
    Label6_->clear();
}

void Form3::Combo1_Click(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= types_.size())
        return;
    ids_ = SectionIdsOfType(module_.Sections, types_[static_cast<std::size_t>(index)]);
    FillList(*Combo2_, ids_);
}

void Form3::Combo2_Click(int index)
{
    const int type = Combo1_->currentIndex();
    if (type < 0 || index < 0 || static_cast<std::size_t>(index) >= ids_.size())
        return;
    const SectionEntry* entry = FindSection(module_.Sections, types_[static_cast<std::size_t>(type)],
                                            ids_[static_cast<std::size_t>(index)]);
    if (entry == nullptr)
        return;
    Label4_->setText(FileText(entry->Name));
    Label6_->setText(QString::fromStdString(Hex8(static_cast<std::uint32_t>(entry->Offset))));
}

void Form3::Command2_Click()
{
    // Before an identifier is chosen the label holds no number, and the view
    // shows no bytes.
    const auto offset = ParseHexText(Label6_->text().toStdString());
    const OffsetViewTexts texts =
        offset ? MakeOffsetViewTexts(module_.FileData.span(), *offset) : OffsetViewTexts{};
    Form4 view;
    view.SetTexts(texts);
    view.exec();
}

}  // namespace tarnwick
