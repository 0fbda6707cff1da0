#include "ui/inspector/language_box.h"

#include <QComboBox>

#include "model/text/languages.h"

namespace tarnwick {

QComboBox* MakeLanguageBox(InspectorContext& context, const std::set<int>& present,
                           std::function<void()> changed)
{
    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("Language"));
    for (const int language : present) {
        if (language < kFirstLanguage || language > kLastLanguage)
            continue;  // a byte that names no language cannot be chosen
        const std::string_view name = LanguageName(language);
        box->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), language);
    }
    box->setCurrentIndex(std::max(0, box->findData(context.language)));
    box->setVisible(present.size() > 1);
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [box, &context, changed = std::move(changed)](int at) {
                         context.language = box->itemData(at).toInt();
                         if (changed)
                             changed();
                     });
    return box;
}

}  // namespace tarnwick
