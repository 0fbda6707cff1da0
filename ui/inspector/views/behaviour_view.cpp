#include "ui/inspector/views/behaviour_view.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <unordered_map>

#include "model/container/chunk_types.h"
#include "model/decoders/linked_chunks.h"
#include "ui/inspector/chunk_links.h"
#include "ui/inspector/table_rows.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

enum Column { kIndex, kOpcode, kTrue, kFalse, kOperands };

QString HeaderText(const Behaviour& behaviour)
{
    return QStringLiteral(
               "Signature 0x%1    Tree type %2    Arguments %3    Locals %4    Tree version %5    "
               "Instructions %6")
        .arg(QString::number(behaviour.signature, 16).toUpper())
        .arg(behaviour.treeType)
        .arg(behaviour.argumentCount)
        .arg(behaviour.localCount)
        .arg(behaviour.treeVersion)
        .arg(behaviour.declaredCount);
}

QString OperandsText(const Instruction& instruction)
{
    QString text;
    for (const std::uint8_t byte : instruction.operands) {
        if (!text.isEmpty())
            text += u' ';
        text += QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    }
    return text;
}

}  // namespace

BehaviourView::BehaviourView(Behaviour behaviour, const InspectorContext& context, QWidget* parent)
    : InspectorView(parent),
      behaviour_(std::move(behaviour)),
      rows_(MakeRowsTable({QStringLiteral("Index"), QStringLiteral("Opcode"), QStringLiteral("True"),
                           QStringLiteral("False"), QStringLiteral("Operands")},
                          this))
{
    rows_->setObjectName(QStringLiteral("Instructions"));
    auto* header = new QLabel(HeaderText(behaviour_), this);
    header->setObjectName(QStringLiteral("BehaviourHeader"));
    header->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(header);
    layout->addWidget(rows_);
    ConnectLinks(*rows_, context);
    Fill(context);
}

void BehaviourView::Fill(const InspectorContext& context)
{
    const QString semiGlobal =
        CodePageText(SemiGlobalFileName(context.openFile.Chunks), CodePage::Windows1252);
    const std::size_t count = behaviour_.instructions.size();
    // A link's text costs a search of the file: once per behaviour called.
    std::unordered_map<std::uint16_t, QTableWidgetItem*> calls;
    const auto opcodeItem = [&](std::uint16_t opcode) -> QTableWidgetItem* {
        switch (KindOfOpcode(opcode)) {
        case OpcodeKind::Primitive:
            return new QTableWidgetItem(QStringLiteral("primitive %1").arg(opcode));
        case OpcodeKind::GlobalCall:
            return new QTableWidgetItem(QStringLiteral("global %1").arg(opcode));
        case OpcodeKind::LocalCall: {
            QTableWidgetItem*& first = calls[opcode];
            if (first != nullptr)
                return first->clone();
            first = MakeLinkItem(context, chunk_type::kBehaviour, opcode);
            first->setText(QStringLiteral("local ") + first->text());
            return first;
        }
        case OpcodeKind::SemiGlobalCall:
            return new QTableWidgetItem(
                semiGlobal.isEmpty() ? QStringLiteral("semi-global %1").arg(opcode)
                                     : QStringLiteral("semi-global %1 in %2").arg(opcode).arg(semiGlobal));
        }
        return nullptr;
    };
    const auto targetItem = [&](std::uint8_t target) {
        switch (KindOfTarget(target, count)) {
        case TargetKind::Instruction:
            return new QTableWidgetItem(QString::number(target));
        case TargetKind::Error:
            return new QTableWidgetItem(QStringLiteral("error"));
        case TargetKind::ReturnTrue:
            return new QTableWidgetItem(QStringLiteral("return true"));
        case TargetKind::ReturnFalse:
            return new QTableWidgetItem(QStringLiteral("return false"));
        case TargetKind::PastTheEnd:
            break;
        }
        ++targetsPastTheEnd_;
        auto* item = new QTableWidgetItem(QStringLiteral("%1 (past the end)").arg(target));
        item->setForeground(QColor(0xB0, 0, 0));
        item->setToolTip(QStringLiteral("No instruction has this number: the target is not followed."));
        return item;
    };

    FillRows(*rows_, static_cast<int>(count), [&](int row) {
        const Instruction& instruction = behaviour_.instructions[static_cast<std::size_t>(row)];
        rows_->setItem(row, kIndex, new QTableWidgetItem(QString::number(row)));
        rows_->setItem(row, kOpcode, opcodeItem(instruction.opcode));
        rows_->setItem(row, kTrue, targetItem(instruction.trueTarget));
        rows_->setItem(row, kFalse, targetItem(instruction.falseTarget));
        rows_->setItem(row, kOperands, new QTableWidgetItem(OperandsText(instruction)));
    });
    SetColumnWidths(*rows_, {{kIndex, 50}, {kOpcode, 240}, {kTrue, 125}, {kFalse, 125}});
}

QString BehaviourView::Note() const
{
    QStringList lines;
    if (!behaviour_.warning.empty())
        lines << QString::fromStdString(behaviour_.warning);
    if (targetsPastTheEnd_ > 0)
        lines << (targetsPastTheEnd_ == 1
                      ? QStringLiteral("One target points past the last instruction: it is not followed.")
                      : QStringLiteral("%1 targets point past the last instruction: they are not followed.")
                            .arg(targetsPastTheEnd_));
    if (behaviour_.trailingBytes > 0)
        lines << QStringLiteral("%1 bytes follow the last instruction.").arg(behaviour_.trailingBytes);
    return lines.join(u'\n');
}

void BehaviourView::Copy() const { CopySelectedRows(*rows_); }

QString BehaviourView::TableText() const { return RowsText(*rows_, false); }

}  // namespace tarnwick
