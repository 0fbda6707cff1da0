#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace tarnwick {

QFont FixedPitchFont()
{
    QFont font(QStringLiteral("Fixedsys"), 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
    }
    font.setWeight(QFont::Normal);
    return font;
}

QFont WindowFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QStringList families;
    families << QStringLiteral("MS Sans Serif") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans")
             << font.family();
    font.setFamilies(families);
    font.setPointSize(8);
    return font;
}

}  // namespace tarnwick
