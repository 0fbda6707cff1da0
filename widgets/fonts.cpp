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
    // The layouts were measured with the old 8 pt system sans serif, narrower
    // than Arial: the game's header line fills its label nearly to the end. A
    // narrow sans serif holds it where that font is missing.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QStringList families;
    families << QStringLiteral("MS Sans Serif") << QStringLiteral("Liberation Sans Narrow")
             << QStringLiteral("Arial Narrow") << QStringLiteral("DejaVu Sans Condensed") << font.family();
    font.setFamilies(families);
    font.setPointSize(8);
    return font;
}

}  // namespace tarnwick
