#include <QTest>

#include "widgets/code_page_text.h"

namespace tarnwick {
namespace {

class CodePageTextTest : public QObject {
    Q_OBJECT

private slots:
    void readsEachSlotInItsCodePageOrAsWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readAs1252");
        const auto row = [](const char* name, const char* bytes, CodePage codePage, const char16_t* text,
                            bool readAs1252) {
            QTest::newRow(name) << QByteArray(bytes) << static_cast<int>(codePage) << QString::fromUtf16(text)
                                << readAs1252;
        };
        row("Korean in the Korean slot", "\xC7\xD1\xB1\xB9", CodePage::Windows949, u"한국", false);
        // E9 opens a two-byte character that a blank cannot end: read in the
        // slot's code page the accent and the blank would become one mark.
        row("a Western name in the Korean slot", "Caf\xE9 Bar", CodePage::Windows949, u"Café Bar", true);
        row("Polish in the Polish slot", "Myd\xB3o", CodePage::Windows1250, u"Mydło", false);
        row("UTF-8 in a language set", "Caf\xC3\xA9", CodePage::Utf8, u"Café", false);
        row("a Western byte in a language set", "Caf\xE9!", CodePage::Utf8, u"Café!", true);
        row("Windows-1252 keeps every byte", "\x81\xE9", CodePage::Windows1252, u"\u0081é", false);
    }

    void readsEachSlotInItsCodePageOrAsWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codePage);
        QFETCH(QString, text);
        QFETCH(bool, readAs1252);
        const CodePageDecoding decoded =
            DecodeCodePage(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                           static_cast<CodePage>(codePage));
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.readAs1252, readAs1252);
    }
};

}  // namespace
}  // namespace tarnwick

QTEST_GUILESS_MAIN(tarnwick::CodePageTextTest)
#include "code_page_text_test.moc"
