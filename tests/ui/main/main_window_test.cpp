#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include "widgets/dir_list_box.h"
#include "tests/ui/support/game_window.h"
#include "tests/ui/support/window_test.h"

namespace tarnwick {

using fixtures::Find;
using fixtures::RowTexts;

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    Form1* Main() const { return &window_->Form(); }
    QListWidget* List(const char* name) const { return window_->List(name); }
    QString Text(const char* label) const { return Find<QLabel>(Main(), label)->text(); }
    QString Details() const { return Find<QGroupBox>(Main(), "Frame2")->title(); }

    void Pick(const char* list, const QString& text) { QVERIFY2(window_->Pick(list, text), qPrintable(text)); }

    QString ShownType() const
    {
        const auto windows = fixtures::TopLevels("Form2");
        return windows.size() == 1 ? Find<QLabel>(windows.first(), "Label8")->text() : QString();
    }

private slots:
    void init() { window_ = std::make_unique<fixtures::GameWindow>(); }
    void cleanup() { window_.reset(); }

    void startsOnTheGamesCharacterFolder()
    {
        QVERIFY(Find<QRadioButton>(Main(), "Option1")->isChecked());
        QCOMPARE(Find<DirListBox>(Main(), "Dir1")->Path(), window_->Game().Characters());
        QCOMPARE(Find<QComboBox>(Main(), "Drive1")->currentText(), QStringLiteral("C:"));
        QCOMPARE(RowTexts(List("File1")), (QStringList{"a.IFF", "b.iff", "many.IFF"}));
        QCOMPARE(Details(), QStringLiteral("File Details"));
        for (const char* value : {"Label2", "Label3", "Label5"})
            QCOMPARE(Text(value), QString());
        QCOMPARE(List("List1")->count(), 0);
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
        Module1 module;
        Form1 form(module, registry);
        QCOMPARE(Find<DirListBox>(&form, "Dir1")->Path(), QDir::homePath());
    }

    void theOptionsChooseTheKindOfFile_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("Walls") << "Option2" << QStringList{"c.WLL"};
        QTest::newRow("Floors") << "Option3" << QStringList{"d.FLR"};
        QTest::newRow("IFF again") << "Option1" << QStringList{"a.IFF", "b.iff", "many.IFF"};
    }

    void theOptionsChooseTheKindOfFile()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, files);
        Pick("File1", "a.IFF");
        Find<QRadioButton>(Main(), "Option2")->click();
        Find<QRadioButton>(Main(), qPrintable(option))->click();
        QCOMPARE(RowTexts(List("File1")), files);
        QCOMPARE(List("List1")->count(), 5);  // the loaded file stays
    }

    void loadingAFileShowsItsHeaderAndChunks()
    {
        Pick("File1", "a.IFF");
        QCOMPARE(Details(), QStringLiteral("File Details for a.IFF"));
        QCOMPARE(Text("Label2"), QStringLiteral("IFF FILE 2.5:TYPE FOLLOWED BY SIZE "));
        QCOMPARE(Text("Label5"), QStringLiteral("0000010A"));
        QCOMPARE(RowTexts(List("List1")),
                 (QStringList{"1: STR# [Names]", "2: DATA [Numbers]", "3: rsmp []", "4: SPR# [Sprite]", "5: BMP_ [Picture]"}));
    }

    // The keys go wherever the focus is: it must stay on the chunk list while
    // the chunk display and the sections window come and go.
    void theArrowKeysStepThroughTheChunksInOneDisplay()
    {
        Pick("File1", "a.IFF");
        QListWidget* chunks = List("List1");
        Main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Main()));
        chunks->setFocus();
        QTest::mouseClick(chunks->viewport(), Qt::LeftButton, {}, chunks->visualItemRect(chunks->item(0)).center());
        QCOMPARE(ShownType(), QStringLiteral("STR#"));
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        QCOMPARE(QApplication::focusWidget(), chunks);
        press(Qt::Key_Down);
        QCOMPARE(ShownType(), QStringLiteral("DATA"));
        bool sectionsOpened = false;
        fixtures::WhenModalOpens([&](QDialog& window) { sectionsOpened = window.objectName() == "Form3"; });
        press(Qt::Key_Down);
        QVERIFY(sectionsOpened);
        QCOMPARE(ShownType(), QStringLiteral("DATA"));
        QTRY_COMPARE(QApplication::focusWidget(), chunks);
        press(Qt::Key_Down);
        QCOMPARE(ShownType(), QStringLiteral("SPR#"));
        QCOMPARE(fixtures::TopLevels("Form2").size(), 1);
    }

    void theTooManyChunksLineOpensNothing()
    {
        Pick("File1", "many.IFF");
        QListWidget* chunks = List("List1");
        QCOMPARE(chunks->count(), 1001);
        QCOMPARE(chunks->item(1000)->text(), QStringLiteral("Error reading file - Too many Chunks"));
        chunks->setCurrentRow(1000);
        QVERIFY(fixtures::TopLevels("Form2").isEmpty());
    }

    void anotherFileClickedDuringAWalkReplacesIt()
    {
        QTimer::singleShot(0, this, [this] { Pick("File1", "b.iff"); });
        Pick("File1", "many.IFF");
        QCOMPARE(Details(), QStringLiteral("File Details for b.iff"));
        QCOMPARE(RowTexts(List("List1")), QStringList{"1: GLOB [Only]"});
        QCOMPARE(window_->Module().Chunks.Count(), std::size_t{1});
    }

    void theAboutBoxShowsTheCredits()
    {
        QString title, text;
        fixtures::WhenModalOpens([&](QDialog& box) {
            title = box.windowTitle();
            text = qobject_cast<QMessageBox*>(&box)->text();
        });
        Find<QAction>(Main(), "Menu_About")->trigger();
        QCOMPARE(title, QStringLiteral("Credits"));
        QVERIFY(text.startsWith(QStringLiteral("Tarnwick\n")));
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::Form1Test)
#include "main_window_test.moc"
