// The library window: the tables fill as the scan runs, a search narrows
// them, a cancel stops the scan, a double-click opens the object in the main
// window and the inspector, and the objects shown get their pictures.
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "fixtures/game_window.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/memory_registry.h"
#include "synth/showcase_object.h"
#include "synth/temp_dir.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/inspector/inspector_link.h"
#include "ui/library/library_table.h"
#include "ui/library/library_window.h"
#include "ui/library/thumbnail_cache.h"

namespace tarnwick {

namespace fs = std::filesystem;

class LibraryWindowTest : public QObject {
    Q_OBJECT

private:
    fixtures::TempDir dir_;
    // The objects table's columns, after the pictures.
    static constexpr int kNameColumn = 1;
    static constexpr int kPriceColumn = 2;
    static constexpr int kMemberColumn = 6;
    static constexpr int kLabelColumn = 8;

    static fixtures::Bytes LampFileBytes()
    {
        fixtures::IffBuilder file;
        file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        fixtures::AddShowcaseObjectFile(file);
        return file.Build();
    }

    // The objects table's first row whose label is `label`.
    static QModelIndex RowLabelled(QTableView& view, const QString& label)
    {
        for (int row = 0; row < view.model()->rowCount(); ++row)
            if (view.model()->index(row, kLabelColumn).data().toString() == label)
                return view.model()->index(row, 0);
        return {};
    }

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
        QStringList shown = Column(window.Objects(), kNameColumn);
        shown.sort();
        QCOMPARE(shown, names);
    }

    void sortsPricesAsNumbers()
    {
        LibraryWindow window({});
        ScanAndWait(window, {(dir_.Path() / "game").string()});
        window.Objects().sortByColumn(kPriceColumn, Qt::AscendingOrder);
        QCOMPARE(Column(window.Objects(), kPriceColumn).first(), QStringLiteral("45"));
        QCOMPARE(Column(window.Objects(), kPriceColumn).last(), QStringLiteral("900"));
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
        const fs::path tree = dir_.Path() / "opening";
        fixtures::WriteFile(tree / "Chair.iff", fixtures::ObjectFileBytes({.guid = 5, .label = "Chair"}));
        fixtures::WriteFile(
            tree / "Objects.far",
            fixtures::FarBuilder()
                .Member("Seats\\Bench.iff", fixtures::ObjectFileBytes({.guid = 6, .label = "Bench"}))
                .Build());
        LibraryWindow window({});
        ScanAndWait(window, {tree.string()});
        QStringList opened;
        window.OpenChunk = [&](const QString& path, const QString& member, quint32 number) {
            opened << QStringLiteral("%1|%2|%3").arg(QFileInfo(path).fileName(), member).arg(number);
        };
        for (const char* label : {"Chair", "Bench"}) {
            const QModelIndex row = RowLabelled(window.Objects(), QString::fromLatin1(label));
            QVERIFY(row.isValid());
            emit window.Objects().doubleClicked(row);
        }
        QCOMPARE(opened, (QStringList{QStringLiteral("Chair.iff||1"),
                                      QStringLiteral("Objects.far|Seats\\Bench.iff|1")}));
        // The archive counts as one file, as the progress counts it.
        QCOMPARE(window.Progress().maximum(), 2);
        QVERIFY(
            window.CountsText().startsWith(QStringLiteral("2 objects in 2 files and 1 archive member. ")));
    }

    // From the main window's library, the object opens in the main window and the inspector.
    void aDoubleClickInspectsTheObject()
    {
        fixtures::GameWindow main;
        const fs::path tree = dir_.Path() / "inspected";
        fixtures::WriteFile(
            tree / "Objects.far",
            fixtures::FarBuilder()
                .Member("Seats\\Bench.iff", fixtures::ObjectFileBytes({.guid = 6, .label = "Bench"}))
                .Build());
        LibraryWindow& library = main.Form().ShowLibrary({tree.string()});
        QTRY_VERIFY_WITH_TIMEOUT(RowLabelled(library.Objects(), QStringLiteral("Bench")).isValid(), 20000);
        emit library.Objects().doubleClicked(RowLabelled(library.Objects(), QStringLiteral("Bench")));
        QCOMPARE(main.ShownFile(), QStringLiteral("Objects.far: Seats\\Bench.iff"));
        const InspectorWindow* inspector = main.Form().Inspection().Window();
        QVERIFY(inspector && inspector->isVisible());
        QCOMPARE(inspector->ChunkIndex(), 1);
        QVERIFY(inspector->windowTitle().startsWith(QStringLiteral("Inspector - OBJD 128")));
    }

    void showsAPictureOnceItsRowIsShown()
    {
        const fs::path tree = dir_.Path() / "pictures";
        fixtures::WriteFile(tree / "Lamp.iff", LampFileBytes());
        fixtures::WriteFile(tree / "Plain.iff", fixtures::ObjectFileBytes({.guid = 7, .label = "Plain"}));
        fixtures::WriteFile(tree / "Objects.far",
                            fixtures::FarBuilder().Member("Lamps\\Packed.iff", LampFileBytes()).Build());
        LibraryWindow window({});
        window.show();
        ScanAndWait(window, {tree.string()});
        const QPersistentModelIndex lamp = RowLabelled(window.Objects(), QStringLiteral("Lamp table"));
        const QPersistentModelIndex plain = RowLabelled(window.Objects(), QStringLiteral("Plain"));
        QVERIFY(lamp.isValid() && plain.isValid());
        QCOMPARE(window.Objects().model()->rowCount(), 3);
        (void)window.grab();  // the rows are drawn, so their pictures are asked for
        QTRY_VERIFY_WITH_TIMEOUT(window.ObjectPicture(lamp) && window.ObjectPicture(plain), 20000);
        // At the screen's density (twice over in the run at twice the scale).
        const QPixmap picture = *window.ObjectPicture(lamp);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(ThumbnailCache::kSide, ThumbnailCache::kSide));
        QCOMPARE(picture.devicePixelRatio(), qApp->devicePixelRatio());
        QCOMPARE(lamp.data(Qt::DecorationRole).value<QPixmap>().size(), picture.size());
        // The picture is drawn, not a blank square.
        const QImage drawn = picture.toImage();
        QVERIFY(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2).alpha() > 0);
        QVERIFY(window.ObjectPicture(plain)->isNull());
        QVERIFY(!plain.data(Qt::DecorationRole).isValid());
        // The archive's member, read from the archive.
        for (int row = 0; row < 3; ++row) {
            const QModelIndex index = window.Objects().model()->index(row, 0);
            if (index.sibling(row, kMemberColumn).data().toString() == QStringLiteral("Lamps\\Packed.iff")) {
                QTRY_VERIFY_WITH_TIMEOUT(window.ObjectPicture(index), 20000);
                QVERIFY(!window.ObjectPicture(index)->isNull());
            }
        }
        // Exports leave the pictures out.
        QVERIFY(window.ShownTableAsTsv().startsWith(QStringLiteral("Name\tPrice\t")));
    }

    void aNewScanForgetsThePictures()
    {
        const fs::path tree = dir_.Path() / "rescan";
        fixtures::WriteFile(tree / "Lamp.iff", LampFileBytes());
        LibraryWindow window({});
        window.show();
        ScanAndWait(window, {tree.string()});
        const QModelIndex first = window.Objects().model()->index(0, 0);
        (void)window.grab();
        QTRY_VERIFY_WITH_TIMEOUT(window.ObjectPicture(first), 20000);
        QVERIFY(!window.ObjectPicture(first)->isNull());
        // The file now holds no picture, under the same OBJD ID: the next
        // scan shows it as it is, not as it was.
        fixtures::WriteFile(tree / "Lamp.iff", fixtures::ObjectFileBytes({.guid = 7, .label = "Plain"}));
        ScanAndWait(window, {tree.string()});
        const QModelIndex again = window.Objects().model()->index(0, 0);
        (void)window.grab();
        QTRY_VERIFY_WITH_TIMEOUT(window.ObjectPicture(again), 20000);
        QVERIFY(window.ObjectPicture(again)->isNull());
    }

    void closingWithPicturesToMakeIsSafe()
    {
        const fs::path tree = dir_.Path() / "closing";
        const fixtures::Bytes lamp = LampFileBytes();
        for (int i = 0; i < 60; ++i)
            fixtures::WriteFile(tree / ("Lamp" + std::to_string(i) + ".iff"), lamp);
        for (const bool reopen : {true, false}) {
            LibraryWindow window({});
            window.show();
            ScanAndWait(window, {tree.string()});
            (void)window.grab();
            window.close();
            if (reopen) {  // shown again, the rows ask again
                window.show();
                const QModelIndex first = window.Objects().model()->index(0, 0);
                (void)window.grab();
                QTRY_VERIFY_WITH_TIMEOUT(window.ObjectPicture(first), 20000);
            }
        }  // destroyed with work pending
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
