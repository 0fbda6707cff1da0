#include "ui/inspector/chunk_links.h"

#include <QLabel>
#include <QTableWidget>

#include "model/container/chunk_summary.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

constexpr int kChunkRole = Qt::UserRole + 1;

QString TypeText(std::string_view type) { return CodePageText(std::string(type), CodePage::Windows1252); }

}  // namespace

QString ChunkLinkText(const InspectorContext& context, std::string_view type, std::uint32_t id)
{
    const QString name = TypeText(ChunkName(type, id));
    const ChunkNumber found = context.Find(type, id);
    if (found == 0)
        return name + QStringLiteral(" (not in this file)");
    const std::string& label = context.openFile.Chunks.Find(found)->Label;
    return label.empty() ? name : name + u' ' + CodePageText(label, CodePage::Windows1252);
}

QLabel* MakeChunkLink(const InspectorContext& context, std::string_view type, std::uint32_t id)
{
    const QString text = ChunkLinkText(context, type, id);
    const ChunkNumber found = context.Find(type, id);
    auto* label = new QLabel;
    if (found == 0) {
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        return label;
    }
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(found).arg(text.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [&context](const QString& target) { context.Follow(target.toULongLong()); });
    return label;
}

QTableWidgetItem* MakeLinkItem(const InspectorContext& context, std::string_view type, std::uint32_t id)
{
    auto* item = new QTableWidgetItem(ChunkLinkText(context, type, id));
    if (const ChunkNumber found = context.Find(type, id)) {
        item->setData(kChunkRole, static_cast<qulonglong>(found));
        item->setForeground(QColor(0, 0, 0xEE));
        QFont font = item->font();
        font.setUnderline(true);
        item->setFont(font);
        item->setToolTip(QStringLiteral("Click or press Enter to open"));
    }
    return item;
}

ChunkNumber LinkedChunk(const QTableWidgetItem& item)
{
    return static_cast<ChunkNumber>(item.data(kChunkRole).toULongLong());
}

void ConnectLinks(QTableWidget& table, const InspectorContext& context)
{
    const auto follow = [&context](QTableWidgetItem* item) {
        if (item != nullptr && LinkedChunk(*item) != 0)
            context.Follow(LinkedChunk(*item));
    };
    // A click on a link cell follows it, as on any link; a double-click or
    // Enter too, where the keyboard is.
    QObject::connect(&table, &QTableWidget::itemClicked, &table, follow);
    QObject::connect(&table, &QTableWidget::itemActivated, &table, follow);
}

}  // namespace tarnwick
