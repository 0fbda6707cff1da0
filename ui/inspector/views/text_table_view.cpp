#include "ui/inspector/views/text_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

// "French"; "Unknown language 25" for a byte that names none.
QString LanguageText(int language)
{
    const std::string_view name = LanguageName(language);
    const QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return language >= kFirstLanguage && language <= kLastLanguage ? text
                                                                   : text + u' ' + QString::number(language);
}

// The language, and a word where the text is not valid in the language's code
// page and shows as Windows-1252.
QStringList Fields(const TextEntry& entry)
{
    const CodePageDecoding value = DecodeCodePage(entry.value, entry.codePage);
    const CodePageDecoding comment = DecodeCodePage(entry.comment, entry.codePage);
    QString language = LanguageText(entry.language);
    if (value.readAs1252 || comment.readAs1252)
        language += QStringLiteral(" (read as Windows-1252)");
    return {QString::number(entry.index), language, value.text, comment.text};
}

}  // namespace

TextTableView::TextTableView(TextTable table, InspectorContext& context, QWidget* parent)
    : InspectorView(parent),
      table_(std::move(table)),
      languages_(new QComboBox(this)),
      rows_(new QTableWidget(this))
{
    languages_->setObjectName(QStringLiteral("Languages"));
    rows_->setObjectName(QStringLiteral("Strings"));
    std::set<int> present;
    for (const TextEntry& entry : table_.entries)
        present.insert(entry.language);
    languages_->addItem(QStringLiteral("All languages"), -1);
    for (const int language : present)
        languages_->addItem(LanguageText(language), language);
    languages_->setVisible(present.size() > 1);

    rows_->setColumnCount(4);
    // Counted from 0, as the game's references to a string count (an object's
    // name is string 0 of its catalogue); the chunk display numbers from 1.
    rows_->setHorizontalHeaderLabels({QStringLiteral("Index from 0"), QStringLiteral("Language"),
                                      QStringLiteral("Value"), QStringLiteral("Comment")});
    rows_->horizontalHeaderItem(0)->setToolTip(
        QStringLiteral("String k of its language, counted from 0 as the game's references count; the chunk "
                       "display numbers it k + 1."));
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->verticalHeader()->hide();
    rows_->horizontalHeader()->setStretchLastSection(true);
    rows_->setWordWrap(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(languages_, 0, Qt::AlignLeft);
    layout->addWidget(rows_);
    connect(languages_, &QComboBox::currentIndexChanged, this, [this, &context](int at) {
        const int language = languages_->itemData(at).toInt();
        if (language >= kFirstLanguage && language <= kLastLanguage)
            context.language = language;
        ShowLanguage(language);
    });
    ShowLanguage(-1);
}

void TextTableView::ShowLanguage(int language)
{
    int rows = 0;
    for (const TextEntry& entry : table_.entries)
        rows += language < 0 || entry.language == language;
    rows_->setRowCount(0);
    rows_->setRowCount(rows);
    int row = 0;
    for (const TextEntry& entry : table_.entries) {
        if (language >= 0 && entry.language != language)
            continue;
        const QStringList fields = Fields(entry);
        for (int column = 0; column < fields.size(); ++column)
            rows_->setItem(row, column, new QTableWidgetItem(fields[column]));
        ++row;
    }
    // Fixed widths: measuring every row of a long table would cost more than filling it.
    for (const auto& [column, width] : {std::pair{0, 50}, {1, 130}, {2, 330}})
        rows_->setColumnWidth(column, width);
}

QString TextTableView::Note() const
{
    QStringList lines;
    if (!table_.warning.empty())
        lines << QString::fromStdString(table_.warning);
    if (table_.trailingBytes > 0)
        lines << QStringLiteral("%1 bytes follow the last string.").arg(table_.trailingBytes);
    return lines.join(u'\n');
}

void TextTableView::Copy() const
{
    QStringList lines;
    for (int row = 0; row < rows_->rowCount(); ++row) {
        if (!rows_->item(row, 0)->isSelected())
            continue;
        QStringList fields;
        for (int column = 0; column < rows_->columnCount(); ++column)
            fields << rows_->item(row, column)->text();
        lines << TabSeparated(fields);
    }
    if (!lines.isEmpty())
        QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

QString TextTableView::TableText() const
{
    QString text = TabSeparated({QStringLiteral("Index"), QStringLiteral("Language"), QStringLiteral("Value"),
                                 QStringLiteral("Comment")}) +
                   u'\n';
    for (const TextEntry& entry : table_.entries)
        text += TabSeparated(Fields(entry)) + u'\n';
    return text;
}

}  // namespace tarnwick
