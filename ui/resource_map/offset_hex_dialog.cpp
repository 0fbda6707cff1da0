#include "ui/resource_map/offset_hex_dialog.h"

#include <QPlainTextEdit>

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

Form4::Form4()
{
    SetUpWindow(*this, "Form4", QStringLiteral("Form4"), 9510, 4950);
    setModal(true);
    RichBox1_ = MakeTextBox(this, "RichBox1", QStringLiteral("RichTextBox1"), 60, 120, 5955, 1455);
    RichBox1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1_ = MakeTextBox(this, "Text1", QStringLiteral("Text1"), 60, 1680, 6315, 1695);
    Text1_->setWordWrapMode(QTextOption::WrapAnywhere);  // the run has no blanks to wrap at
    // The character lines stand one under the other, beside the hex lines.
    Text2_ = MakeTextBox(this, "Text2", QStringLiteral("Text2"), 7320, 1680, 2115, 1695);
    Text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetTabOrder({RichBox1_, Text1_, Text2_});
}

void Form4::SetTexts(const OffsetViewTexts& texts)
{
    RichBox1_->setPlainText(LinesText(texts.HexText));
    Text1_->setPlainText(QString::fromStdString(texts.ValueRun));
    Text2_->setPlainText(LinesText(texts.CharacterText));
}

}  // namespace tarnwick
