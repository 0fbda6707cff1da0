// The library window: the tables fill as the scan runs, a search narrows
// them, a cancel stops the scan, and a double-click opens the object.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "synth/library_tree_builder.h"
#include "synth/memory_registry.h"
#include "synth/temp_dir.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/library/library_table.h"
#include "ui/library/library_window.h"

namespace tarnwick {

namespace fs = std::filesystem;

class LibraryWindowTest : public QObject {
    Q_OBJECT

private:
    fixtures::TempDir dir_;

    // Scans and waits for the end of the scan.
    static void ScanAndWait(LibraryWindow& window, const std::vector<std::string>& roots)
    {
        bool ended = false;
        window.ScanEnded = [&] { ended = true; };
        window.Scan(roots);
        QTRY_VERIFY_WITH_TIMEOUT(ended, 20000);
        window.ScanEnded = nullptr;
    }

    static QStringList Column(QTableView& view, int column)
    {
        QStringList texts;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            texts << view.model()->index(row, column).data().toString();
        return texts;
    }

private slots:
    void initTestCase() { fixtures::WriteConflictTree(dir_.Path() / "game"); }

    void fillsTheTablesAndCountsTheConflicts()
    {
        LibraryWindow window({});
        window.show();
        ScanAndWait(window, {(dir_.Path() / "game").string()});
        QCOMPARE(window.Progress().maximum(), 10);
        QCOMPARE(window.Progress().value(), 10);
        QCOMPARE(window.Objects().model()->rowCount(), 10);
        QCOMPARE(window.Files().model()->rowCount(), 10);
        QCOMPARE(window.Conflicts().model()->rowCount(), 8);
        QCOMPARE(window.CountsText(),
                 QStringLiteral("10 objects in 10 files. Different objects: 1, Versions of one "
                                "object: 1, Identical copies: 1, Overrides: 1"));
        // The harmful class first.
        QCOMPARE(window.Conflicts().model()->index(0, 0).data().toString(),
                 QStringLiteral("Different objects"));
    }

    void searchesNamesGuidsFilesAndTexts_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("a name, any case") << "floor lamp" << QStringList{"Floor Lamp"};
        QTest::newRow("a GUID with 0x") << "0x4c4d0001" << QStringList{"Dining Chair", "Floor Lamp"};
        QTest::newRow("a GUID without") << "4C4D0003" << QStringList{"Woven Rug", "Woven Rug"};
        QTest::newRow("a file name") << "recolour" << QStringList{"Oak Table (walnut)"};
        QTest::newRow("a catalogue text in French") << "Bust (fr)" << QStringList{"Marble Bust"};
        QTest::newRow("nothing") << "no such thing" << QStringList{};
    }

    void searchesNamesGuidsFilesAndTexts()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, names);
        LibraryWindow window({});
        ScanAndWait(window, {(dir_.Path() / "game").string()});
        window.SetSearch(search);
        QStringList shown = Column(window.Objects(), 0);
        shown.sort();
        QCOMPARE(shown, names);
    }

    void sortsPricesAsNumbers()
    {
        LibraryWindow window({});
        ScanAndWait(window, {(dir_.Path() / "game").string()});
        window.Objects().sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(Column(window.Objects(), 1).first(), QStringLiteral("45"));
        QCOMPARE(Column(window.Objects(), 1).last(), QStringLiteral("900"));
    }

    void cancelStopsTheScanAndKeepsWhatArrived()
    {
        const fs::path many = dir_.Path() / "many";
        for (std::uint32_t i = 0; i < 400; ++i)
            fixtures::WriteFile(many / ("object" + std::to_string(i) + ".iff"),
                                fixtures::ObjectFileBytes({.guid = i, .label = "o", .fillerBytes = 20000}));
        LibraryWindow window({});
        bool ended = false;
        window.ScanEnded = [&] { ended = true; };
        window.Scan({many.string()});
        QVERIFY(window.Scanning());
        window.Cancel();
        QTRY_VERIFY_WITH_TIMEOUT(ended, 20000);
        QVERIFY(!window.Scanning());
        QVERIFY(window.Files().model()->rowCount() < 400);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("libraryStatus"))->text(),
                 QStringLiteral("Cancelled"));
    }

    void exportsTheShownRowsAsTsv()
    {
        LibraryWindow window({});
        ScanAndWait(window, {(dir_.Path() / "game").string()});
        window.SetSearch(QStringLiteral("Lamp"));
        const QStringList lines = window.ShownTableAsTsv().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);  // the header, the lamp, and the end of the last line
        QVERIFY(lines[0].startsWith(QStringLiteral("Name\tPrice\tGUID\tOriginal GUID\tFile")));
        QVERIFY(lines[1].startsWith(QStringLiteral("Floor Lamp\t60\t4C4D0001\t00000000\t")));
    }

    void aDoubleClickOpensTheObjectsChunk()
    {
        LibraryWindow window({});
        ScanAndWait(window, {(dir_.Path() / "game").string()});
        QString opened;
        quint32 chunk = 0;
        window.OpenChunk = [&](const QString& path, quint32 number) {
            opened = path;
            chunk = number;
        };
        window.SetSearch(QStringLiteral("Dining"));
        emit window.Objects().doubleClicked(window.Objects().model()->index(0, 0));
        QCOMPARE(opened, QString::fromStdString((dir_.Path() / "game" / "Downloads" / "Chair.iff").string()));
        QCOMPARE(chunk, 1U);
    }

    void guidNeedles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::newRow("bare") << "4c4d"
                              << "4C4D";
        QTest::newRow("0x") << "0X4c4d0001"
                            << "4C4D0001";
        QTest::newRow("too long") << "4c4d00011"
                                  << "";
        QTest::newRow("not hex") << "lamp"
                                 << "";
    }

    void guidNeedles()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QCOMPARE(GuidNeedle(text), needle);
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(library_window_test, tarnwick::LibraryWindowTest);
#include "library_window_test.moc"
