#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "fixtures/game_files.h"
#include "fixtures/window_test.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/chunk/chunk_display.h"
#include "ui/chunk/chunk_lines_model.h"
#include "ui/common/control_names.h"

namespace tarnwick {

using fixtures::Find;
using fixtures::RowTexts;

// Chunk indexes of the sample file.
constexpr int kStrings = 1, kNumbers = 2, kMap = 3;

class ChunkDisplayTest : public QObject {
    Q_OBJECT

private:
    OpenFile openFile_;

    static QString Value(const ChunkDisplay& display, const char* label)
    {
        return Find<QLabel>(display.Window(), label)->text();
    }
    static QStringList Lines(const ChunkDisplay& display)
    {
        return RowTexts(Find<QAbstractItemView>(display.Window(), names::kChunkLines));
    }

private slots:
    void init() { fixtures::LoadBytes(openFile_, fixtures::SampleFile()); }

    void cleanup()
    {
        for (QWidget* window : fixtures::TopLevels(names::kChunkWindow))
            delete window;
    }

    void fillsTheHeaderAndDumpsUnknownTypes()
    {
        ChunkDisplay display(openFile_);
        display.ShowChunk(kNumbers);
        ChunkWindow* form = display.Window();
        QVERIFY(form != nullptr && form->isVisible());
        QCOMPARE(Value(display, names::kChunkType), QStringLiteral("DATA"));
        QCOMPARE(Value(display, names::kChunkName), QStringLiteral("Numbers"));
        QCOMPARE(Value(display, names::kChunkSize), QStringLiteral("0074"));
        QCOMPARE(Value(display, names::kChunkId), QStringLiteral("00 00 00 01 "));
        QCOMPARE(Value(display, names::kChunkAddress), QStringLiteral("00000097"));
        // 40 bytes from offset 150 + 76: two full lines and one of 8 bytes.
        const QStringList lines = Lines(display);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(
            lines[0],
            QStringLiteral("000000E2: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................"));
        QCOMPARE(lines[2].left(33), QStringLiteral("00000102: 20 21 22 23 24 25 26 27"));
        QCOMPARE(lines[2].mid(60), QStringLiteral(" !\"#$%&'"));
        QVERIFY(!Find<QWidget>(form, names::kChunkPicture)->isVisible());
    }

    void choosesTheViewByTheExactType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("lines");
        // Contents: format code, 0, count 1, then "A" between NULs. Dump lines are
        // compared by their start.
        QTest::newRow("a string table") << "STR#" << 0xFF << QStringList{"1:A"};
        QTest::newRow("a string table of an unknown format")
            << "STR#" << 0x10 << QStringList{"0000008C: 10 00 01 00 41 00 "};
        QTest::newRow("the type in lower case")
            << "str#" << 0xFF << QStringList{"0000008C: FF 00 01 00 41 00 "};
        QTest::newRow("a bitmap that is no picture")
            << "BMP_" << 0xFF << QStringList{"0000008C: FF 00 01 00 41 00 "};
    }

    void choosesTheViewByTheExactType()
    {
        QFETCH(QString, type);
        QFETCH(int, format);
        QFETCH(QStringList, lines);
        const auto table = fixtures::StringTableContents(static_cast<std::uint8_t>(format), 1,
                                                         fixtures::ToBytes(std::string_view("\0A\0", 3)));
        fixtures::LoadBytes(openFile_, fixtures::IffBuilder().Chunk(type.toStdString(), "", table).Build());
        ChunkDisplay display(openFile_);
        display.ShowChunk(1);
        QStringList shown = Lines(display);
        for (qsizetype i = 0; i < shown.size() && i < lines.size(); ++i)
            shown[i].truncate(lines[i].size());
        QCOMPARE(shown, lines);
    }

    void showsAStringTableAfterADump_data()
    {
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("in the same window") << false;
        QTest::newRow("in a fresh window once the first is closed") << true;
    }

    void showsAStringTableAfterADump()
    {
        QFETCH(bool, closeFirst);
        ChunkDisplay display(openFile_);
        display.ShowChunk(kNumbers);
        if (closeFirst) {
            QTest::mouseClick(Find<QPushButton>(display.Window(), names::kChunkClose), Qt::LeftButton);
            QTRY_VERIFY(display.Window() == nullptr);
        }
        display.ShowChunk(kStrings);
        QCOMPARE(fixtures::TopLevels(names::kChunkWindow).size(), 1);
        QVERIFY(display.Window()->isVisible());
        QCOMPARE(Value(display, names::kChunkType), QStringLiteral("STR#"));
        QCOMPARE(Lines(display), (QStringList{QStringLiteral("1:Hi"), QStringLiteral("2:Yo")}));
    }

    // The resource map opens its own window: the chunk display neither opens
    // nor changes for it.
    void theResourceMapLeavesTheDisplayAsItIs()
    {
        ChunkDisplay display(openFile_);
        int sectionsOpened = 0;
        const auto showMap = [&] {
            const auto modal = fixtures::WhenModalOpens([&](QDialog& window) {
                sectionsOpened += window.objectName() == QLatin1String(names::kSectionsDialog) ? 1 : 0;
            });
            display.ShowChunk(kMap);
        };
        showMap();
        QVERIFY(display.Window() == nullptr && fixtures::TopLevels(names::kChunkWindow).isEmpty());
        display.ShowChunk(kNumbers);
        showMap();
        QCOMPARE(sectionsOpened, 2);
        QCOMPARE(Value(display, names::kChunkType), QStringLiteral("DATA"));
        QCOMPARE(Value(display, names::kChunkAddress), QStringLiteral("00000097"));
        QCOMPARE(Lines(display).size(), 3);
    }

    // Before another file is read the display lets go of the open one: it
    // keeps showing a chunk from a copy of it alone, and closes over one too
    // large to copy.
    void letsGoOfTheFileBeforeTheNextIsRead_data()
    {
        QTest::addColumn<std::size_t>("size");
        QTest::newRow("a chunk it keeps") << std::size_t{40};
        QTest::newRow("a chunk too large to keep") << ChunkDisplay::kLargestKeptChunk + 1;
    }

    void letsGoOfTheFileBeforeTheNextIsRead()
    {
        QFETCH(std::size_t, size);
        const bool kept = size <= ChunkDisplay::kLargestKeptChunk;
        fixtures::LoadBytes(openFile_,
                            fixtures::IffBuilder().Chunk("DATA", "", fixtures::Bytes(size, 'k')).Build());
        ChunkDisplay display(openFile_);
        display.ShowChunk(1);
        const QString firstLine = display.Window()->Lines().index(0, 0).data().toString();
        display.LetGoOfTheFile();
        fixtures::LoadBytes(openFile_, fixtures::SampleFile());
        QTRY_COMPARE(display.Window() != nullptr, kept);
        if (kept)
            QCOMPARE(display.Window()->Lines().index(0, 0).data().toString(), firstLine);
    }

    void ignoresIndexesThatNameNoChunk()
    {
        ChunkDisplay display(openFile_);
        for (const ChunkNumber number : {ChunkNumber{0}, ChunkNumber{6}, ChunkNumber{1001}})
            display.ShowChunk(number);
        QVERIFY(display.Window() == nullptr);
    }

    void theLinesModelIsAWellBehavedModel()
    {
        ChunkLinesModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.ShowDump(ChunkDump(*openFile_.Chunks.Find(kNumbers)));
        QCOMPARE(model.rowCount(), 3);
        model.ShowLines({"1:a", "2:b", "3:c"});
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("3:c"));
        QVERIFY(!model.index(3, 0).data().isValid());
    }

    // A dump of 4096 lines: the keys move the selected line and keep it in
    // view; Ctrl+C copies it.
    void theDumpMovesByKeysAndCopiesItsLine_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("row");
        QTest::newRow("Down twice") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2;
        QTest::newRow("End") << QList<int>{Qt::Key_End} << 4095;
        QTest::newRow("End, then Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 4094;
        QTest::newRow("Page Down, then Home") << QList<int>{Qt::Key_PageDown, Qt::Key_Home} << 0;
        QTest::newRow("Page Down, then Page Up") << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp} << 0;
        QTest::newRow("Up at the top") << QList<int>{Qt::Key_Up} << 0;
    }

    void theDumpMovesByKeysAndCopiesItsLine()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, row);
        fixtures::LoadBytes(
            openFile_,
            fixtures::IffBuilder().Chunk("DATA", "", fixtures::Bytes(std::size_t{4096} * 16, 'A')).Build());
        ChunkDisplay display(openFile_);
        display.ShowChunk(1);
        auto* list = Find<QAbstractItemView>(display.Window(), names::kChunkLines);
        list->setCurrentIndex(list->model()->index(0, 0));
        for (const int key : keys)
            QTest::keyClick(list, static_cast<Qt::Key>(key));
        QCOMPARE(list->currentIndex().row(), row);
        QVERIFY(list->selectionModel()->isSelected(list->currentIndex()));
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), list->currentIndex().data().toString());
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(chunk_display_test, tarnwick::ChunkDisplayTest);
#include "chunk_display_test.moc"
