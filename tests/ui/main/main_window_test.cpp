#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "widgets/dir_list_box.h"
#include "widgets/file_list_box.h"

namespace tarnwick {

using fixtures::Find;
using fixtures::RowTexts;
namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    MainWindow* Main() const { return &window_->Form(); }
    QListWidget* List(const char* name) const { return window_->List(name); }
    QString Text(const char* label) const { return Find<QLabel>(Main(), label)->text(); }
    QString Details() const { return Find<QGroupBox>(Main(), names::kDetailsFrame)->title(); }

    void Pick(const char* list, const QString& text)
    {
        QVERIFY2(window_->Pick(list, text), qPrintable(text));
    }

    QString ShownType() const
    {
        const auto windows = fixtures::TopLevels(names::kChunkWindow);
        return windows.size() == 1 ? Find<QLabel>(windows.first(), names::kChunkType)->text() : QString();
    }

private slots:
    void init() { window_ = std::make_unique<fixtures::GameWindow>(); }
    void cleanup() { window_.reset(); }

    void startsOnTheGamesCharacterFolder()
    {
        QVERIFY(Find<QRadioButton>(Main(), names::kIffOption)->isChecked());
        QCOMPARE(Find<DirListBox>(Main(), names::kFolderList)->Path(), window_->Game().Characters());
        QCOMPARE(Find<QComboBox>(Main(), names::kDriveList)->currentText(), QStringLiteral("C:"));
        QCOMPARE(RowTexts(window_->View(names::kFileList)), (QStringList{"a.IFF", "b.iff", "many.IFF"}));
        QCOMPARE(Details(), QStringLiteral("File Details"));
        for (const char* value : {names::kHeaderLine1, names::kHeaderLine2, names::kRsmpLocation})
            QCOMPARE(Text(value), QString());
        QCOMPARE(List(names::kChunkList)->count(), 0);
    }

    void startsAtHomeWithoutTheGamesFolder_data()
    {
        QTest::addColumn<QString>("gamePath");
        QTest::newRow("no game in the registry") << QString();
        QTest::newRow("a folder that does not exist") << "C:\\Gone";
        QTest::newRow("a drive the prefix does not link") << "Q:\\The Sims";
    }

    void startsAtHomeWithoutTheGamesFolder()
    {
        QFETCH(QString, gamePath);
        fixtures::MemoryRegistry registry;
        if (!gamePath.isEmpty())
            registry.SetText("Software\\Maxis\\The Sims", "SIMS_DATA", gamePath.toStdString());
        OpenFile openFile;
        MainWindow form(openFile, registry);
        QCOMPARE(Find<DirListBox>(&form, names::kFolderList)->Path(), QDir::homePath());
    }

    void theOptionsChooseTheKindOfFile_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("Walls") << names::kWallsOption << QStringList{"c.WLL"};
        QTest::newRow("Floors") << names::kFloorsOption << QStringList{"d.FLR"};
        QTest::newRow("IFF again") << names::kIffOption << QStringList{"a.IFF", "b.iff", "many.IFF"};
    }

    void theOptionsChooseTheKindOfFile()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, files);
        Pick(names::kFileList, "a.IFF");
        Find<QRadioButton>(Main(), names::kWallsOption)->click();
        Find<QRadioButton>(Main(), qPrintable(option))->click();
        QCOMPARE(RowTexts(window_->View(names::kFileList)), files);
        QCOMPARE(List(names::kChunkList)->count(), 5);  // the loaded file stays
    }

    void loadingAFileShowsItsHeaderAndChunks()
    {
        Pick(names::kFileList, "a.IFF");
        QCOMPARE(Details(), QStringLiteral("File Details for a.IFF"));
        QCOMPARE(Text(names::kHeaderLine1), QStringLiteral("IFF FILE 2.5:TYPE FOLLOWED BY SIZE "));
        QCOMPARE(Text(names::kRsmpLocation), QStringLiteral("0000010A"));
        QCOMPARE(RowTexts(List(names::kChunkList)),
                 (QStringList{"1: STR# [Names]", "2: DATA [Numbers]", "3: rsmp []", "4: SPR# [Sprite]",
                              "5: BMP_ [Picture]"}));
    }

    // The keys go wherever the focus is: it must stay on the chunk list while
    // the chunk display and the sections window come and go.
    void theArrowKeysStepThroughTheChunksInOneDisplay()
    {
        Pick(names::kFileList, "a.IFF");
        QListWidget* chunks = List(names::kChunkList);
        Main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Main()));
        chunks->setFocus();
        QTest::mouseClick(chunks->viewport(), Qt::LeftButton, {},
                          chunks->visualItemRect(chunks->item(0)).center());
        QCOMPARE(ShownType(), QStringLiteral("STR#"));
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        QCOMPARE(QApplication::focusWidget(), chunks);
        press(Qt::Key_Down);
        QCOMPARE(ShownType(), QStringLiteral("DATA"));
        bool sectionsOpened = false;
        const auto modal = fixtures::WhenModalOpens([&](QDialog& window) {
            sectionsOpened = window.objectName() == QLatin1String(names::kSectionsDialog);
        });
        press(Qt::Key_Down);
        QVERIFY(sectionsOpened);
        QCOMPARE(ShownType(), QStringLiteral("DATA"));
        QTRY_COMPARE(QApplication::focusWidget(), chunks);
        press(Qt::Key_Down);
        QCOMPARE(ShownType(), QStringLiteral("SPR#"));
        QCOMPARE(fixtures::TopLevels(names::kChunkWindow).size(), 1);
    }

    void theTooManyChunksLineOpensNothing()
    {
        Pick(names::kFileList, "many.IFF");
        QListWidget* chunks = List(names::kChunkList);
        QCOMPARE(chunks->count(), 1001);
        QCOMPARE(chunks->item(1000)->text(), QStringLiteral("Error reading file - Too many Chunks"));
        chunks->setCurrentRow(1000);
        QVERIFY(fixtures::TopLevels(names::kChunkWindow).isEmpty());
    }

    void anotherFileClickedDuringAWalkReplacesIt()
    {
        QTimer::singleShot(0, this, [this] { Pick(names::kFileList, "b.iff"); });
        Pick(names::kFileList, "many.IFF");
        QCOMPARE(Details(), QStringLiteral("File Details for b.iff"));
        QCOMPARE(RowTexts(List(names::kChunkList)), QStringList{"1: GLOB [Only]"});
        QCOMPARE(window_->Module().Chunks.Count(), std::size_t{1});
    }

    // Within a second, and the loaded file stays selected while it remains.
    void theFileListFollowsTheFolder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("a file created") << "create" << QStringList{"a.IFF", "b.iff", "many.IFF", "new.IFF"};
        QTest::newRow("a file deleted") << "delete" << QStringList{"b.iff", "many.IFF"};
        QTest::newRow("a file renamed") << "rename" << QStringList{"a.IFF", "b.iff", "Many2.IFF"};
    }

    void theFileListFollowsTheFolder()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, files);
        Pick(names::kFileList, "b.iff");
        const fs::path folder = window_->Game().Characters().toStdString();
        if (change == "create")
            std::ofstream(folder / "new.IFF") << "x";
        else if (change == "delete")
            fs::remove(folder / "a.IFF");
        else
            fs::rename(folder / "many.IFF", folder / "Many2.IFF");
        QTRY_COMPARE_WITH_TIMEOUT(RowTexts(window_->View(names::kFileList)), files, 1000);
        QCOMPARE(Find<FileListBox>(Main(), names::kFileList)->FileName(), QStringLiteral("b.iff"));
    }

    void aRemovedFolderMovesTheListsUp()
    {
        const QString gone = window_->Game().Characters() + "/Gone";
        QVERIFY(QDir().mkdir(gone));
        auto* folders = Find<DirListBox>(Main(), names::kFolderList);
        folders->SetPath(gone);
        QCOMPARE(RowTexts(window_->View(names::kFileList)), QStringList{});
        QVERIFY(QDir(gone).removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(folders->Path(), window_->Game().Characters(), 1000);
        QCOMPARE(RowTexts(window_->View(names::kFileList)), (QStringList{"a.IFF", "b.iff", "many.IFF"}));
    }

    // Unpacked from an old archive: the name's bytes are Western, not UTF-8.
    void aNameThatIsNotUtf8ListsAndLoads()
    {
        const fs::path folder = window_->Game().Characters().toStdString();
        fs::copy_file(folder / "a.IFF", folder / "caf\xE9.IFF");
        QTRY_VERIFY(RowTexts(window_->View(names::kFileList)).contains(QStringLiteral("caf\u00E9.IFF")));
        Pick(names::kFileList, QStringLiteral("caf\u00E9.IFF"));
        QCOMPARE(Details(), QStringLiteral("File Details for caf\u00E9.IFF"));
        QCOMPARE(List(names::kChunkList)->count(), 5);
    }

    void theAboutBoxShowsTheCredits()
    {
        QString title, text;
        const auto modal = fixtures::WhenModalOpens([&](QDialog& box) {
            title = box.windowTitle();
            text = qobject_cast<QMessageBox*>(&box)->text();
        });
        Find<QAction>(Main(), names::kAboutCommand)->trigger();
        QCOMPARE(title, QStringLiteral("Credits"));
        QVERIFY(text.startsWith(QStringLiteral("Tarnwick\n")));
        QCOMPARE(text.count(u'\n'), 1);  // two lines, the version in the second
        QVERIFY(text.section(u'\n', 1).contains(QStringLiteral(TARNWICK_VERSION)));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(main_window_test, tarnwick::MainWindowTest);
#include "main_window_test.moc"
