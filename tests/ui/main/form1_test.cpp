#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include "dir_list_box.h"
#include "form1.h"
#include "game_files.h"
#include "memory_registry.h"
#include "window_test.h"

namespace tarnwick {

using fixtures::Find;
using fixtures::RowTexts;

class Form1Test : public QObject {
    Q_OBJECT

private:
    fixtures::GameFolder game_;
    Module1 module_;
    std::unique_ptr<fixtures::MemoryRegistry> registry_;
    std::unique_ptr<Form1> form_;

    QListWidget* List(const char* name) const { return Find<QListWidget>(form_.get(), name); }
    QString Text(const char* label) const { return Find<QLabel>(form_.get(), label)->text(); }
    QString Details() const { return Find<QGroupBox>(form_.get(), "Frame2")->title(); }

    // Selects the line `text` of a list, as a click on it does.
    void Pick(const char* list, const QString& text)
    {
        const auto items = List(list)->findItems(text, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(text));
        List(list)->setCurrentItem(items.first());
    }

    QString ShownType() const
    {
        const auto windows = fixtures::TopLevels("Form2");
        return windows.size() == 1 ? Find<QLabel>(windows.first(), "Label8")->text() : QString();
    }

private slots:
    void init()
    {
        module_ = Module1();
        registry_ = std::make_unique<fixtures::MemoryRegistry>();
        qputenv("WINEPREFIX", game_.Prefix().toUtf8());
        registry_->SetText("Software\\Maxis\\The Sims", "SIMS_DATA", fixtures::GameFolder::WindowsRoot());
        form_ = std::make_unique<Form1>(module_, *registry_);
        form_->show();
    }

    void cleanup() { form_.reset(); }

    void startsOnTheGamesCharacterFolder()
    {
        QVERIFY(Find<QRadioButton>(form_.get(), "Option1")->isChecked());
        QCOMPARE(Find<DirListBox>(form_.get(), "Dir1")->Path(), game_.Characters());
        QCOMPARE(Find<QComboBox>(form_.get(), "Drive1")->currentText(), QStringLiteral("C:"));
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
        Form1 form(module_, registry);
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
        Find<QRadioButton>(form_.get(), "Option2")->click();
        Find<QRadioButton>(form_.get(), qPrintable(option))->click();
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
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
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
        QCOMPARE(module_.Chunks.Count(), std::size_t{1});
    }

    void theAboutBoxShowsTheCredits()
    {
        QString title, text;
        fixtures::WhenModalOpens([&](QDialog& box) {
            title = box.windowTitle();
            text = qobject_cast<QMessageBox*>(&box)->text();
        });
        Find<QAction>(form_.get(), "Menu_About")->trigger();
        QCOMPARE(title, QStringLiteral("Credits"));
        QVERIFY(text.startsWith(QStringLiteral("Tarnwick\n")));
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::Form1Test)
#include "form1_test.moc"
