#include "ui/inspector/views/hex_view.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/fonts.h"

namespace tarnwick {

class HexRowsModel final : public QAbstractListModel {
public:
    HexRowsModel(HexRows rows, QObject* parent) : QAbstractListModel(parent), rows_(std::move(rows)) {}

    [[nodiscard]] const HexRows& Rows() const { return rows_; }

    // QAbstractListModel
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(rows_.LineCount(), INT_MAX));
    }
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return QString::fromLatin1(rows_.Line(static_cast<std::size_t>(index.row())));
    }

private:
    HexRows rows_;
};

QString TabSeparated(const QStringList& fields)
{
    QStringList escaped;
    for (QString field : fields)
        escaped << field.replace(u'\\', QStringLiteral("\\\\"))
                       .replace(u'\t', QStringLiteral("\\t"))
                       .replace(u'\n', QStringLiteral("\\n"))
                       .replace(u'\r', QStringLiteral("\\r"));
    return escaped.join(u'\t');
}

HexView::HexView(HexRows rows, QWidget* parent)
    : InspectorView(parent), model_(new HexRowsModel(std::move(rows), this)), list_(new QTableView(this))
{
    list_->setObjectName(QStringLiteral("HexLines"));
    // A table of one column with rows of one fixed height, as the chunk
    // display's dump: it lays out millions of lines without visiting them.
    list_->setFont(FixedPitchFont());
    list_->horizontalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(QFontMetrics(list_->font()).height() + 2);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setModel(model_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}

void HexView::Copy() const
{
    // The selection is ranges of lines; a range copies as the lines it spans.
    QList<QItemSelectionRange> ranges = list_->selectionModel()->selection();
    std::sort(ranges.begin(), ranges.end(), [](const auto& a, const auto& b) { return a.top() < b.top(); });
    QString text;
    for (const QItemSelectionRange& range : ranges)
        text += QString::fromLatin1(model_->Rows().Text(static_cast<std::size_t>(range.top()),
                                                        static_cast<std::size_t>(range.bottom())));
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

}  // namespace tarnwick
