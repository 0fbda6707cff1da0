#include "ui/inspector/views/behaviour_view.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <unordered_map>

#include "model/container/chunk_types.h"
#include "model/decoders/instruction_text.h"
#include "model/decoders/linked_chunks.h"
#include "ui/inspector/chunk_links.h"
#include "ui/inspector/table_rows.h"
#include "widgets/code_page_text.h"
#include "widgets/path_text.h"

namespace tarnwick {

namespace {

// Numbers are decimal throughout; hex only where bits or bytes are meant: the
// signature, the opcode in a tooltip, and the operand bytes.
enum InstructionColumn { kNumber, kInstruction, kOperands, kTrue, kFalse, kBytes };

constexpr int kTargetRole = Qt::UserRole + 2;  // the instruction a target cell goes to
constexpr int kCallRole = Qt::UserRole + 3;    // the opcode of a global or semi-global call found

QString Hex(unsigned value, int digits)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QString HeaderText(const Behaviour& behaviour)
{
    return QStringLiteral(
               "Signature %1    Tree type %2    Parameters %3    Locals %4    Tree version %5    "
               "Instructions %6")
        .arg(Hex(behaviour.signature, 4))
        .arg(behaviour.treeType)
        .arg(behaviour.argumentCount)
        .arg(behaviour.localCount)
        .arg(behaviour.treeVersion)
        .arg(behaviour.declaredCount);
}

QString BytesText(const Instruction& instruction)
{
    QString text;
    for (const std::uint8_t byte : instruction.operands) {
        if (!text.isEmpty())
            text += u' ';
        text += QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    }
    return text;
}

// The file a called behaviour is in, as people know it: the member, or the loose file's name.
QString CalledFileName(const library::ChunkPlace& place)
{
    if (!place.member.empty())
        return CodePageText(place.member, CodePage::Windows1252);
    const std::size_t slash = place.path.find_last_of("/\\");
    return PathFromBytes(slash == std::string::npos ? place.path : place.path.substr(slash + 1));
}

void MarkAsLink(QTableWidgetItem& item, const QString& tip)
{
    item.setForeground(QColor(0, 0, 0xEE));
    QFont font = item.font();
    font.setUnderline(true);
    item.setFont(font);
    item.setToolTip(tip);
}

}  // namespace

BehaviourView::BehaviourView(Behaviour behaviour, const InspectorContext& context, QWidget* parent)
    : InspectorView(parent),
      behaviour_(std::move(behaviour)),
      rows_(MakeRowsTable({QStringLiteral("Index"), QStringLiteral("Instruction"), QStringLiteral("Operands"),
                           QStringLiteral("True"), QStringLiteral("False"), QStringLiteral("Bytes")},
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
    // A click on a target, or Enter on it, selects the instruction it goes to;
    // on a call found in the game's files, opens the behaviour called.
    const auto goToTarget = [this, &context](QTableWidgetItem* item) {
        if (item != nullptr && item->data(kTargetRole).isValid())
            GoToInstruction(item->data(kTargetRole).toInt());
        if (item != nullptr && item->data(kCallRole).isValid()) {
            const auto opcode = static_cast<std::uint16_t>(item->data(kCallRole).toUInt());
            if (const auto called = context.FindCalled(KindOfOpcode(opcode), opcode))
                context.FollowElsewhere(called->place);
        }
    };
    connect(rows_, &QTableWidget::itemClicked, this, goToTarget);
    connect(rows_, &QTableWidget::itemActivated, this, goToTarget);
    Fill(context);
}

void BehaviourView::GoToInstruction(int index)
{
    rows_->setCurrentCell(index, kNumber);
    rows_->selectRow(index);
    rows_->scrollToItem(rows_->item(index, kNumber));
}

void BehaviourView::Fill(const InspectorContext& context)
{
    const QString semiGlobal =
        CodePageText(SemiGlobalFileName(context.openFile.Chunks), CodePage::Windows1252);
    const std::size_t count = behaviour_.instructions.size();
    // A local call is named by its chunk's label; the others as the context knows them.
    const CalledBehaviourNames names = [&context](OpcodeKind kind, std::uint16_t id) -> std::string {
        if (kind != OpcodeKind::LocalCall) {
            if (const auto called = context.FindCalled(kind, id))
                return called->name;
            return context.calledNames ? context.calledNames(kind, id) : std::string{};
        }
        const ChunkNumber found = context.Find(chunk_type::kBehaviour, id);
        return found != 0 ? context.openFile.Chunks.Find(found)->Label : std::string{};
    };
    // A name costs a search of the file: once per behaviour called.
    std::unordered_map<std::uint16_t, QTableWidgetItem*> calls;
    const auto opcodeItem = [&](std::uint16_t opcode) -> QTableWidgetItem* {
        QTableWidgetItem*& first = calls[opcode];
        if (first != nullptr)
            return first->clone();
        QString text = CodePageText(OpcodeText(opcode, names), CodePage::Windows1252);
        switch (KindOfOpcode(opcode)) {
        case OpcodeKind::LocalCall:
            first = MakeLinkItem(context, chunk_type::kBehaviour, opcode);
            if (LinkedChunk(*first) == 0)
                text += QStringLiteral(" (not in this file)");
            first->setText(text);
            return first;
        case OpcodeKind::SemiGlobalCall:
            if (!semiGlobal.isEmpty())
                text += QStringLiteral(" in ") + semiGlobal;
            break;
        case OpcodeKind::Primitive:
        case OpcodeKind::GlobalCall:
            break;
        }
        first = new QTableWidgetItem(text);
        first->setToolTip(QStringLiteral("Opcode %1 (%2)").arg(opcode).arg(Hex(opcode, 4)));
        if (const auto called = context.FindCalled(KindOfOpcode(opcode), opcode)) {
            first->setData(kCallRole, opcode);
            MarkAsLink(*first, QStringLiteral("Opcode %1 (%2): click to open it in %3")
                                   .arg(opcode)
                                   .arg(Hex(opcode, 4), CalledFileName(called->place)));
        }
        return first;
    };
    const auto targetItem = [&](std::uint8_t target) {
        switch (KindOfTarget(target, count)) {
        case TargetKind::Instruction: {
            auto* item = new QTableWidgetItem(QString::number(target));
            item->setData(kTargetRole, int{target});
            MarkAsLink(*item, QStringLiteral("Click to go to instruction %1").arg(target));
            return item;
        }
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
        rows_->setItem(row, kNumber, new QTableWidgetItem(QString::number(row)));
        rows_->setItem(row, kInstruction, opcodeItem(instruction.opcode));
        auto* operands = new QTableWidgetItem(QString::fromStdString(OperandText(instruction)));
        operands->setToolTip(operands->text());
        rows_->setItem(row, kOperands, operands);
        rows_->setItem(row, kTrue, targetItem(instruction.trueTarget));
        rows_->setItem(row, kFalse, targetItem(instruction.falseTarget));
        rows_->setItem(row, kBytes, new QTableWidgetItem(BytesText(instruction)));
    });
    SetColumnWidths(*rows_,
                    {{kNumber, 45}, {kInstruction, 270}, {kOperands, 340}, {kTrue, 80}, {kFalse, 80}});
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
