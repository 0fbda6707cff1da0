#include "ui/inspector/views/interactions_view.h"

#include <QComboBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "model/container/chunk_types.h"
#include "model/decoders/interaction_names.h"
#include "model/decoders/linked_chunks.h"
#include "ui/inspector/chunk_links.h"
#include "ui/inspector/language_box.h"
#include "ui/inspector/table_rows.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

enum Column { kIndex, kText, kAction, kTest, kFlags, kAttenuation, kAutonomy, kJoining, kMotives };

QString Hex32(std::uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(8, u'0');
}

// "0x00000003 visitors, joinable": the raw word first, for researchers.
QString FlagsText(std::uint32_t flags)
{
    const std::string names = InteractionFlagNames(flags);
    return names.empty() ? Hex32(flags) : Hex32(flags) + u' ' + QString::fromStdString(names);
}

}  // namespace

InteractionsView::InteractionsView(InteractionTable table, InspectorContext& context, std::uint16_t id,
                                   QWidget* parent)
    : InspectorView(parent),
      table_(std::move(table)),
      id_(id),
      texts_(LinkedTexts(context.openFile.Chunks, chunk_type::kInteractionStrings, id)),
      rows_(MakeRowsTable({QStringLiteral("Index"), QStringLiteral("Text"), QStringLiteral("Action"),
                           QStringLiteral("Test"), QStringLiteral("Flags"), QStringLiteral("Attenuation"),
                           QStringLiteral("Autonomy"), QStringLiteral("Joining"), QStringLiteral("Motives")},
                          this))
{
    rows_->setObjectName(QStringLiteral("Interactions"));
    std::set<int> present;
    if (texts_)
        for (const TextEntry& entry : texts_->entries)
            present.insert(entry.language);
    QComboBox* languages =
        MakeLanguageBox(context, present, [this, &context] { FillTexts(context.language); });
    languages->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(languages, 0, Qt::AlignLeft);
    layout->addWidget(rows_);
    ConnectLinks(*rows_, context);
    Fill(context);
    FillTexts(languages->currentData().isValid() ? languages->currentData().toInt() : context.language);
}

void InteractionsView::Fill(const InspectorContext& context)
{
    const std::uint16_t version = table_.version;
    FillRows(*rows_, static_cast<int>(table_.interactions.size()), [&](int row) {
        const Interaction& interaction = table_.interactions[static_cast<std::size_t>(row)];
        const auto set = [&](int column, const QString& text) {
            rows_->setItem(row, column, new QTableWidgetItem(text));
        };
        set(kIndex, QString::number(row));
        rows_->setItem(row, kAction, MakeLinkItem(context, chunk_type::kBehaviour, interaction.actionId));
        rows_->setItem(row, kTest, MakeLinkItem(context, chunk_type::kBehaviour, interaction.testId));
        set(kFlags, version == 10 ? FlagsText(interaction.flags) + QStringLiteral("; more ") +
                                        Hex32(interaction.moreFlags)
                                  : FlagsText(interaction.flags));
        rows_->item(row, kFlags)->setToolTip(rows_->item(row, kFlags)->text());
        set(kAttenuation, QString::fromStdString(AttenuationText(interaction, version)));
        set(kAutonomy, QString::number(interaction.autonomy));
        set(kJoining, QString::number(interaction.joiningIndex));
        set(kMotives, QString::fromStdString(MotivesText(interaction.motives, version)));
        rows_->item(row, kMotives)->setToolTip(rows_->item(row, kMotives)->text());
    });
    SetColumnWidths(*rows_, {{kIndex, 40},
                             {kText, 120},
                             {kAction, 150},
                             {kTest, 150},
                             {kFlags, 170},
                             {kAttenuation, 85},
                             {kAutonomy, 65},
                             {kJoining, 55}});
}

void InteractionsView::FillTexts(int language)
{
    FillRows(*rows_, rows_->rowCount(), [&](int row) {
        const std::uint32_t index = table_.interactions[static_cast<std::size_t>(row)].textIndex;
        const TextEntry* entry = texts_ ? FindText(*texts_, index, language) : nullptr;
        rows_->setItem(row, kText,
                       new QTableWidgetItem(entry != nullptr ? CodePageText(entry->value, entry->codePage)
                                                             : QStringLiteral("(no text %1)").arg(index)));
    });
}

QString InteractionsView::Note() const
{
    QStringList lines;
    if (table_.interactions.empty() && table_.warning.empty())
        return QStringLiteral("No interactions.");
    lines << QStringLiteral("Version %1, %2.")
                 .arg(table_.version)
                 .arg(table_.encoding == InteractionEncoding::BitPacked ? QStringLiteral("bit-packed")
                                                                        : QStringLiteral("plain"));
    if (!texts_)
        lines << QStringLiteral("No readable TTAs %1 in this file: the texts are missing.").arg(id_);
    if (!table_.warning.empty())
        lines << QString::fromStdString(table_.warning);
    if (table_.bitsPastTheEnd > 0)
        lines << QStringLiteral("The last fields need %1 bits past the end, read as 0.")
                     .arg(table_.bitsPastTheEnd);
    if (table_.trailingBytes > 0)
        lines << QStringLiteral("%1 bytes follow the last interaction.").arg(table_.trailingBytes);
    return lines.join(u'\n');
}

void InteractionsView::Copy() const { CopySelectedRows(*rows_); }

QString InteractionsView::TableText() const { return RowsText(*rows_, false); }

}  // namespace tarnwick
