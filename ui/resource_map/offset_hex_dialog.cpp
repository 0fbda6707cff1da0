#include "ui/resource_map/offset_hex_dialog.h"

#include <QPlainTextEdit>

#include "ui/common/control_names.h"
#include "ui/common/controls.h"
#include "widgets/fonts.h"

namespace tarnwick {

namespace {

QPlainTextEdit* MakeTextBox(QWidget* parent, const char* name, const QString& text, int left, int top,
                            int width, int height)
{
    auto* box = MakeControl<QPlainTextEdit>(parent, name, left, top, width, height);
    box->setFont(FixedPitchFont());
    box->setTabChangesFocus(true);
    box->setPlainText(text);
    return box;
}

// The texts end each line with a carriage return alone; the box wants '\n'.
QString LinesText(const std::string& text)
{
    QString lines = FileText(text);
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

}  // namespace

OffsetHexDialog::OffsetHexDialog()
{
    SetUpWindow(*this, names::kOffsetHexDialog, QStringLiteral("Form4"), 9510, 4950);
    setModal(true);
    hexLines_ = MakeTextBox(this, names::kHexLines, QStringLiteral("RichTextBox1"), 60, 120, 5955, 1455);
    hexLines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    valueRun_ = MakeTextBox(this, names::kValueRun, QStringLiteral("Text1"), 60, 1680, 6315, 1695);
    valueRun_->setWordWrapMode(QTextOption::WrapAnywhere);  // the run has no blanks to wrap at
    // The character lines stand one under the other, beside the hex lines.
    characterLines_ =
        MakeTextBox(this, names::kCharacterLines, QStringLiteral("Text2"), 7320, 1680, 2115, 1695);
    characterLines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetTabOrder({hexLines_, valueRun_, characterLines_});
}

void OffsetHexDialog::SetTexts(const OffsetViewTexts& texts)
{
    hexLines_->setPlainText(LinesText(texts.HexText));
    valueRun_->setPlainText(QString::fromStdString(texts.ValueRun));
    characterLines_->setPlainText(LinesText(texts.CharacterText));
}

}  // namespace tarnwick
