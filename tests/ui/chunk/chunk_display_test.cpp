#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "chunk_display.h"
#include "chunk_lines_model.h"
#include "game_files.h"
#include "window_test.h"

namespace tarnwick {

using fixtures::Find;
using fixtures::RowTexts;

// Chunk indexes of the sample file.
constexpr int kStrings = 1, kNumbers = 2, kMap = 3;

class ChunkDisplayTest : public QObject {
    Q_OBJECT

private:
    Module1 module_;

    QString Value(const char* label) const
    {
        const auto* text = Find<QLabel>(TopLevelForm2(), label);
        return text == nullptr ? QStringLiteral("(none)") : text->text();
    }
    static QWidget* TopLevelForm2()
    {
        const auto windows = fixtures::TopLevels("Form2");
        return windows.isEmpty() ? nullptr : windows.first();
    }

private slots:
    void init() { fixtures::LoadBytes(module_, fixtures::SampleFile()); }

    void cleanup()
    {
        for (QWidget* window : fixtures::TopLevels("Form2"))
            delete window;
    }

    void fillsTheHeaderAndDumpsUnknownTypes()
    {
        ChunkDisplay display(module_);
        display.ShowChunk(kNumbers);
        Form2* form = display.Window();
        QVERIFY(form != nullptr && form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Chunk Display"));
        QCOMPARE(Value("Label8"), QStringLiteral("DATA"));
        QCOMPARE(Value("Label2"), QStringLiteral("Numbers"));
        QCOMPARE(Value("Label4"), QStringLiteral("0074"));
        QCOMPARE(Value("Label6"), QStringLiteral("00 00 00 01 "));
        QCOMPARE(Value("Label10"), QStringLiteral("00000097"));
        // 40 bytes from offset 150 + 76: two full lines and one of 8 bytes.
        const QStringList lines = RowTexts(Find<QTableView>(form, "List1"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("000000E2: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   ................"));
        QCOMPARE(lines[2].left(33), QStringLiteral("00000102: 20 21 22 23 24 25 26 27"));
        QCOMPARE(lines[2].mid(60), QStringLiteral(" !\"#$%&'"));
        QVERIFY(!Find<QWidget>(form, "Picture1")->isVisible());
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
        QTest::newRow("the type in lower case") << "str#" << 0xFF << QStringList{"0000008C: FF 00 01 00 41 00 "};
        QTest::newRow("a bitmap that is no picture") << "BMP_" << 0xFF << QStringList{"0000008C: FF 00 01 00 41 00 "};
    }

    void choosesTheViewByTheExactType()
    {
        QFETCH(QString, type);
        QFETCH(int, format);
        QFETCH(QStringList, lines);
        const auto table = fixtures::StringTableContents(static_cast<std::uint8_t>(format), 1, fixtures::ToBytes(std::string_view("\0A\0", 3)));
        fixtures::LoadBytes(module_, fixtures::IffBuilder().Chunk(type.toStdString(), "", table).Build());
        ChunkDisplay display(module_);
        display.ShowChunk(1);
        QStringList shown = RowTexts(Find<QTableView>(display.Window(), "List1"));
        for (qsizetype i = 0; i < shown.size() && i < lines.size(); ++i)
            shown[i].truncate(lines[i].size());
        QCOMPARE(shown, lines);
    }

    void showsAStringTableAfterADump()
    {
        ChunkDisplay display(module_);
        display.ShowChunk(kNumbers);
        display.ShowChunk(kStrings);
        QCOMPARE(fixtures::TopLevels("Form2").size(), 1);
        QCOMPARE(Value("Label8"), QStringLiteral("STR#"));
        QCOMPARE(RowTexts(Find<QTableView>(display.Window(), "List1")),
                 (QStringList{QStringLiteral("1:Hi"), QStringLiteral("2:Yo")}));
    }

    void leavesTheDisplayAsItIsForTheResourceMap()
    {
        ChunkDisplay display(module_);
        display.ShowChunk(kNumbers);
        bool sectionsOpened = false;
        fixtures::WhenModalOpens([&](QDialog& window) {
            sectionsOpened = window.objectName() == QLatin1String("Form3");
        });
        display.ShowChunk(kMap);
        QVERIFY(sectionsOpened);
        QCOMPARE(Value("Label8"), QStringLiteral("DATA"));
        QCOMPARE(Value("Label10"), QStringLiteral("00000097"));
        QCOMPARE(RowTexts(Find<QTableView>(display.Window(), "List1")).size(), 3);
    }

    void opensNoDisplayForTheResourceMap()
    {
        ChunkDisplay display(module_);
        fixtures::WhenModalOpens([](QDialog&) {});
        display.ShowChunk(kMap);
        QVERIFY(display.Window() == nullptr);
        QVERIFY(fixtures::TopLevels("Form2").isEmpty());
    }

    void ignoresIndexesThatNameNoChunk()
    {
        ChunkDisplay display(module_);
        for (const std::int64_t index : {std::int64_t{0}, std::int64_t{6}, std::int64_t{1001}, std::int64_t{-1}})
            display.ShowChunk(index);
        QVERIFY(display.Window() == nullptr);
    }

    void closingGivesAFreshWindowNextTime()
    {
        ChunkDisplay display(module_);
        display.ShowChunk(kNumbers);
        QTest::mouseClick(Find<QPushButton>(display.Window(), "Command1"), Qt::LeftButton);
        QTRY_VERIFY(display.Window() == nullptr);
        display.ShowChunk(kStrings);
        QVERIFY(display.Window() != nullptr && display.Window()->isVisible());
        QCOMPARE(Value("Label8"), QStringLiteral("STR#"));
    }

    void theLinesModelIsAWellBehavedModel()
    {
        ChunkLinesModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.ShowDump(ChunkDump(*module_.Chunks.Find(kNumbers)));
        QCOMPARE(model.rowCount(), 3);
        model.Clear();
        model.AppendLines({"1:a", "2:b"});
        model.AppendLines({});
        model.AppendLines({"3:c"});
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("3:c"));
        QVERIFY(!model.index(3, 0).data().isValid());
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::ChunkDisplayTest)
#include "chunk_display_test.moc"
