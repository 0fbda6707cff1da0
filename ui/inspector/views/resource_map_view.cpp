#include "ui/inspector/views/resource_map_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/container/chunk_summary.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

constexpr int kOffsetColumn = 4;

QTableWidgetItem* NumberItem(qlonglong value)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);  // sorts as a number
    return item;
}

// An ID shown as the inspector shows IDs, "4097 (0x1001)", sorted by its number.
class IdItem : public QTableWidgetItem {
public:
    explicit IdItem(std::uint32_t id) : QTableWidgetItem(QString::fromStdString(ChunkIdText(id)))
    {
        setData(Qt::UserRole, id);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(Qt::UserRole).toUInt() < other.data(Qt::UserRole).toUInt();
    }
};

// An entry's identifier text holds the chunk's ID in its first four hex
// digits, and the chunk's flags in the last four.
std::uint32_t ChunkIdOf(const std::string& identifier)
{
    return QString::fromStdString(identifier).left(4).toUInt(nullptr, 16);
}

}  // namespace

ResourceMapView::ResourceMapView(const ResourceMap& map, std::function<void(std::int32_t)> pick,
                                 QWidget* parent)
    : InspectorView(parent), entries_(new QTableWidget(static_cast<int>(map.Sections.size()), 5, this))
{
    entries_->setObjectName(QStringLiteral("Entries"));
    entries_->setHorizontalHeaderLabels({QStringLiteral("Type"), QStringLiteral("ID"),
                                         QStringLiteral("Flags"), QStringLiteral("Name"),
                                         QStringLiteral("Offset")});
    entries_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    entries_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entries_->verticalHeader()->hide();
    for (int row = 0; row < entries_->rowCount(); ++row) {
        const SectionEntry& entry = map.Sections[static_cast<std::size_t>(row)];
        entries_->setItem(row, 0, new QTableWidgetItem(CodePageText(entry.Type, CodePage::Windows1252)));
        entries_->setItem(row, 1, new IdItem(ChunkIdOf(entry.Id)));
        entries_->setItem(
            row, 2, new QTableWidgetItem(QStringLiteral("0x") + QString::fromStdString(entry.Id.substr(4))));
        entries_->setItem(row, 3, new QTableWidgetItem(CodePageText(entry.Name, CodePage::Windows1252)));
        entries_->setItem(row, kOffsetColumn, NumberItem(entry.Offset));
    }
    entries_->setSortingEnabled(true);
    entries_->sortByColumn(kOffsetColumn, Qt::AscendingOrder);
    entries_->resizeColumnsToContents();
    entries_->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(entries_);
    connect(entries_, &QTableWidget::cellDoubleClicked, this, [this, pick = std::move(pick)](int row, int) {
        pick(entries_->item(row, kOffsetColumn)->data(Qt::DisplayRole).toInt());
    });
}

QString ResourceMapView::RowText(int row) const
{
    QStringList fields;
    for (int column = 0; column < entries_->columnCount(); ++column)
        fields << entries_->item(row, column)->text();
    return TabSeparated(fields) + u'\n';
}

void ResourceMapView::Copy() const
{
    QString text;
    for (int row = 0; row < entries_->rowCount(); ++row)
        if (entries_->item(row, 0)->isSelected())
            text += RowText(row);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

QString ResourceMapView::TableText() const
{
    QString text = TabSeparated({QStringLiteral("Type"), QStringLiteral("ID"), QStringLiteral("Flags"),
                                 QStringLiteral("Name"), QStringLiteral("Offset")}) +
                   u'\n';
    for (int row = 0; row < entries_->rowCount(); ++row)
        text += RowText(row);
    return text;
}

}  // namespace tarnwick
