#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "fixtures/game_files.h"
#include "fixtures/window_test.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/resource_map/show_resource_map.h"

namespace tarnwick {

using fixtures::Find;

namespace {

// Picks entry `index` of a drop-down list as the user does.
void Choose(QDialog& window, const char* list, int index)
{
    auto* combo = Find<QComboBox>(&window, list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QString Caption(const QDialog& window, const char* label) { return Find<QLabel>(&window, label)->text(); }

struct OffsetView {
    bool shown = false;
    QString hex, values, characters;
    bool operator==(const OffsetView&) const = default;
};

// Presses "&Edit" and reads the three boxes of the view it opens.
OffsetView Edit(QDialog& sections)
{
    OffsetView view;
    const auto modal = fixtures::WhenModalOpens([&](QDialog& form4) {
        view = {true, Find<QPlainTextEdit>(&form4, names::kHexLines)->toPlainText(),
                Find<QPlainTextEdit>(&form4, names::kValueRun)->toPlainText(),
                Find<QPlainTextEdit>(&form4, names::kCharacterLines)->toPlainText()};
    });
    Find<QPushButton>(&sections, names::kSectionsEdit)->click();
    return view;
}

}  // namespace

class SectionsTest : public QObject {
    Q_OBJECT

private:
    OpenFile openFile_;

    // Opens the sections window on `map` and runs `use` in it.
    void Browse(const fixtures::Bytes& map, std::function<void(QDialog&)> use)
    {
        fixtures::LoadBytes(openFile_, fixtures::SampleFile());
        ChunkInfo chunk;
        chunk.Type = "rsmp";
        chunk.Data = ByteString(fixtures::Concat({fixtures::Bytes(76, 0), map}));
        const auto modal = fixtures::WhenModalOpens(std::move(use));
        ShowResourceMap(openFile_, chunk);
    }

private slots:
    void choosingATypeThenAnIdentifierShowsTheEntry_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("thenType");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("position");
        QTest::newRow("of twin identifiers the lower index shows")
            << 0 << 1 << -1 << QStringList{"00800000", "00800000"} << "strings"
            << "00000040";
        QTest::newRow("an identifier shared with STR# shows the SPR# entry")
            << 1 << 0 << -1 << QStringList{"00800000"} << "sprites"
            << "1234ABCD";
        QTest::newRow("a negative position shows as FFFFFFFF")
            << 2 << 0 << -1 << QStringList{"00010000"} << "odd"
            << "FFFFFFFF";
        QTest::newRow("a type without entries leaves the labels empty")
            << 3 << -1 << -1 << QStringList{} << ""
            << "";
        QTest::newRow("another type keeps the chosen entry shown")
            << 0 << 0 << 2 << QStringList{"00010000"} << "strings"
            << "00000040";
    }

    void choosingATypeThenAnIdentifierShowsTheEntry()
    {
        QFETCH(int, type);
        QFETCH(int, id);
        QFETCH(int, thenType);
        QFETCH(QStringList, ids);
        QFETCH(QString, name);
        QFETCH(QString, position);
        const auto map = fixtures::ResourceMapBuilder()
                             .Type("STR#", 2)
                             .Entry(64, 0x80, 0, "strings")
                             .Entry(65, 0x80, 0, "later twin")
                             .Type("SPR#", 1)
                             .Entry(0x1234ABCD, 0x80, 0, "sprites")
                             .Type("BHAV", 1)
                             .Entry(0xFFFFFFFF, 1, 0, "odd")
                             .Type("GLOB", 0)
                             .Build();
        Browse(map, [&](QDialog& window) {
            Choose(window, names::kSectionTypes, type);
            if (id >= 0)
                Choose(window, names::kSectionIds, id);
            if (thenType >= 0)
                Choose(window, names::kSectionTypes, thenType);
            QCOMPARE(fixtures::RowTexts(Find<QComboBox>(&window, names::kSectionIds)), ids);
            QCOMPARE(Caption(window, names::kSectionDescription), name);
            QCOMPARE(Caption(window, names::kSectionPosition), position);
        });
    }

    // The view starts at the entry's zero-based offset: 64 is the first chunk's type code.
    void editShowsTheBytesAtTheEntry()
    {
        fixtures::LoadBytes(openFile_, fixtures::SampleFile());
        const auto modal = fixtures::WhenModalOpens([](QDialog& window) {
            Choose(window, names::kSectionTypes, 0);
            Choose(window, names::kSectionIds, 0);
            const OffsetView view = Edit(window);
            QVERIFY(view.shown);
            const QStringList hex = view.hex.split('\n');
            QCOMPARE(hex.size(), 11);  // ten lines, each ended
            QCOMPARE(hex[0], QStringLiteral("53 54 52 23 00 00 00 56 00 00 00 80 4E 61 6D 65"));
            QCOMPARE(view.characters.split('\n')[0], QStringLiteral("STR#...V....Name"));
            QVERIFY(view.values.startsWith(QStringLiteral("5354522300056")));
        });
        ShowResourceMap(openFile_, *openFile_.Chunks.Find(3));
    }

    void editWithoutABytePositionShowsNothing_data()
    {
        QTest::addColumn<bool>("chooseEntry");
        QTest::newRow("before an identifier is chosen") << false;
        QTest::newRow("a position past the file") << true;
    }

    void editWithoutABytePositionShowsNothing()
    {
        QFETCH(bool, chooseEntry);
        Browse(fixtures::ResourceMapBuilder().Type("STR#", 1).Entry(0x7FFFFFF0, 1, 0, "far").Build(),
               [&](QDialog& window) {
                   if (chooseEntry) {
                       Choose(window, names::kSectionTypes, 0);
                       Choose(window, names::kSectionIds, 0);
                   }
                   QVERIFY((Edit(window) == OffsetView{true, {}, {}, {}}));  // opened, and empty
               });
    }

    // A second opening lists the types with nothing chosen, whatever the first chose.
    void everyOpeningIsAFreshWindow()
    {
        const auto map = fixtures::ResourceMapBuilder().Type("STR#", 1).Entry(64, 1, 0, "one").Build();
        QPointer<QDialog> first;
        Browse(map, [&](QDialog& window) {
            first = &window;
            Choose(window, names::kSectionTypes, 0);
            Choose(window, names::kSectionIds, 0);
        });
        QVERIFY(first.isNull());
        Browse(map, [](QDialog& window) {
            QCOMPARE(fixtures::RowTexts(Find<QComboBox>(&window, names::kSectionTypes)), QStringList{"STR#"});
            QCOMPARE(Find<QComboBox>(&window, names::kSectionTypes)->currentIndex(), -1);
            QCOMPARE(Find<QComboBox>(&window, names::kSectionIds)->count(), 0);
            QCOMPARE(Caption(window, names::kSectionDescription), QString());
            QCOMPARE(Caption(window, names::kSectionPosition), QString());
        });
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(sections_test, tarnwick::SectionsTest);
#include "sections_test.moc"
