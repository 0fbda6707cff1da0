#include "ui/inspector/views/small_table_views.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/inspector/table_rows.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

QVBoxLayout* PlainLayout(QWidget* view)
{
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

}  // namespace

ConstantsView::ConstantsView(Constants constants, QWidget* parent)
    : InspectorView(parent),
      constants_(std::move(constants)),
      rows_(MakeRowsTable({QStringLiteral("Index"), QStringLiteral("Signed"), QStringLiteral("Unsigned"),
                           QStringLiteral("Hex")},
                          this))
{
    rows_->setObjectName(QStringLiteral("Constants"));
    PlainLayout(this)->addWidget(rows_);
    FillRows(*rows_, static_cast<int>(constants_.values.size()), [this](int row) {
        const std::uint16_t value = constants_.values[static_cast<std::size_t>(row)];
        const QStringList fields = {
            QString::number(row), QString::number(static_cast<std::int16_t>(value)), QString::number(value),
            QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, u'0')};
        for (int column = 0; column < fields.size(); ++column)
            rows_->setItem(row, column, new QTableWidgetItem(fields[column]));
    });
    SetColumnWidths(*rows_, {{0, 60}, {1, 90}, {2, 90}});
}

QString ConstantsView::Note() const
{
    QStringList lines = {QStringLiteral("Flags 0x%1.").arg(constants_.flags, 2, 16, QChar(u'0'))};
    if (!constants_.warning.empty())
        lines << QString::fromStdString(constants_.warning);
    if (constants_.trailingBytes > 0)
        lines << QStringLiteral("%1 bytes follow the last constant.").arg(constants_.trailingBytes);
    return lines.join(u'\n');
}

void ConstantsView::Copy() const { CopySelectedRows(*rows_); }

QString ConstantsView::TableText() const { return RowsText(*rows_, false); }

GlobalNameView::GlobalNameView(GlobalName global, QWidget* parent)
    : InspectorView(parent),
      global_(std::move(global)),
      name_(new QLabel(CodePageText(global_.name, CodePage::Windows1252), this))
{
    name_->setObjectName(QStringLiteral("GlobalName"));
    name_->setTextFormat(Qt::PlainText);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = name_->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    name_->setFont(font);
    auto* layout = PlainLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Semi-global file:"), this));
    layout->addWidget(name_);
    layout->addStretch(1);
}

QString GlobalNameView::Note() const
{
    QStringList lines;
    if (global_.form == NameForm::Pascal)
        lines << QStringLiteral("A Pascal string of %1 bytes.").arg(global_.name.size());
    else
        lines << QStringLiteral("A zero-ended string.");
    if (!global_.warning.empty())
        lines << QString::fromStdString(global_.warning);
    if (global_.trailingBytes > 0)
        lines << QStringLiteral("%1 bytes follow the name: leftovers, not part of it.")
                     .arg(global_.trailingBytes);
    return lines.join(u'\n');
}

void GlobalNameView::Copy() const { QApplication::clipboard()->setText(name_->text()); }

}  // namespace tarnwick
