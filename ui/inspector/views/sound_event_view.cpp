#include "ui/inspector/views/sound_event_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/code_page_text.h"

namespace tarnwick {

SoundEventView::SoundEventView(SoundEvent sound, QWidget* parent)
    : InspectorView(parent),
      sound_(std::move(sound)),
      name_(new QLabel(CodePageText(sound_.name, CodePage::Windows1252), this))
{
    name_->setObjectName(QStringLiteral("SoundName"));
    name_->setTextFormat(Qt::PlainText);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = name_->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    name_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Sound event:"), this));
    layout->addWidget(name_);
    layout->addStretch(1);
}

QString SoundEventView::Note() const
{
    QStringList lines;
    if (!sound_.warning.empty())
        lines << QString::fromStdString(sound_.warning);
    if (sound_.trailingBytes > 0)
        lines << QStringLiteral("%1 bytes follow the name.").arg(sound_.trailingBytes);
    return lines.join(u'\n');
}

void SoundEventView::Copy() const { QApplication::clipboard()->setText(name_->text()); }

}  // namespace tarnwick
