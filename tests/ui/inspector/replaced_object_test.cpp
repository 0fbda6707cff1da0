// A download's object names the game object it replaces, found in the game's
// archives off the window's thread, and the link leads there and back.
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/temp_dir.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"

namespace tarnwick {

namespace fs = std::filesystem;

class ReplacedObjectTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::TempDir> cache_;
    std::unique_ptr<fixtures::GameWindow> window_;
    fs::path game_;

    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    QLabel* Replaced() const { return fixtures::Find<QLabel>(Inspector()->View(), "ReplacedObject"); }
    // Opens a file of the game folder and inspects its object definition.
    void InspectObjectOf(const fs::path& relative)
    {
        QCOMPARE(window_->Form().Open(QString::fromStdString((game_ / relative).string())), QString());
        QVERIFY(window_->Inspect(0) && Replaced());
    }
    QString Shown() const { return window_->ShownFile(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        // The library's cache goes to a folder of the test's own.
        cache_ = std::make_unique<fixtures::TempDir>();
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache_->Path().string()));
        window_ = std::make_unique<fixtures::GameWindow>();
        game_ = fs::path(window_->Game().Characters().toStdString()).parent_path().parent_path();
        fixtures::WriteFile(game_ / "GameData" / "Behavior.iff",
                            fixtures::BehaviourFileBytes({{4096, "Main"}}));
        const fixtures::ObjectFile table{.guid = 0x4C4D0004, .label = "Table", .englishName = "Oak Table"};
        fixtures::WriteFile(
            game_ / "GameData" / "Objects" / "Objects.far",
            fixtures::FarBuilder().Member("Table.iff", fixtures::ObjectFileBytes(table)).Build());
        fixtures::ObjectFile recolour = table;
        recolour.englishName = "Oak Table (walnut)";
        fixtures::WriteFile(game_ / "Downloads" / "Table recolour.iff", fixtures::ObjectFileBytes(recolour));
        fixtures::WriteFile(game_ / "Downloads" / "Vase.iff",
                            fixtures::ObjectFileBytes({.guid = 0x4C4D0005, .label = "Vase"}));
    }
    void cleanup()
    {
        window_.reset();
        qunsetenv("XDG_CACHE_HOME");
    }

    void linksADownloadToTheGameObjectItReplaces()
    {
        InspectObjectOf(fs::path("Downloads") / "Table recolour.iff");
        QTRY_COMPARE(Replaced()->text(),
                     QStringLiteral("Replaces the game's <a href=\"original\">Oak Table</a> "
                                    "(GameData/Objects/Objects.far: Table.iff)"));
        QVERIFY(Replaced()->isVisibleTo(Inspector()));
        // The game's name in the inspector's language.
        auto* language = fixtures::Find<QComboBox>(Inspector()->View(), "Language");
        language->setCurrentIndex(language->findData(3));
        QVERIFY(Replaced()->text().contains(QStringLiteral(">Oak Table (fr)</a>")));
        // The index was kept in the library's cache.
        QVERIFY(fs::exists(cache_->Path() / "tarnwick" / "library.sqlite"));

        emit Replaced()->linkActivated(QStringLiteral("original"));
        QTRY_COMPARE(Shown(), QStringLiteral("Objects.far: Table.iff"));
        QTRY_VERIFY(Inspector()->windowTitle().startsWith(QStringLiteral("Inspector - OBJD 128")));
        // The game's own object replaces nothing.
        QVERIFY(Replaced() && !Replaced()->isVisibleTo(Inspector()));
        QTest::keyClick(Inspector(), Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(Shown(), QStringLiteral("Table recolour.iff"));
        QTRY_VERIFY(Replaced() && Replaced()->text().contains(QStringLiteral("Oak Table")));
    }

    void namesAnOriginalWithoutNameOrLabelByItsChunk()
    {
        fixtures::WriteFile(game_ / "GameData" / "Objects" / "Nameless.iff",
                            fixtures::ObjectFileBytes({.guid = 0x4C4D0009, .objdId = 300}));
        fixtures::WriteFile(game_ / "Downloads" / "Named.iff",
                            fixtures::ObjectFileBytes({.guid = 0x4C4D0009, .label = "Named"}));
        InspectObjectOf(fs::path("Downloads") / "Named.iff");
        QTRY_VERIFY(Replaced()->text().contains(QStringLiteral(">OBJD 300 (0x012C)</a>")));
    }

    void saysNothingOfAnObjectTheGameDoesNotHave()
    {
        InspectObjectOf(fs::path("Downloads") / "Vase.iff");
        QCOMPARE(Replaced()->text(), QStringLiteral("Looking for a game object with this GUID..."));
        QTRY_COMPARE(Replaced()->text(), QString());
        QVERIFY(!Replaced()->isVisibleTo(Inspector()));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(replaced_object_test, tarnwick::ReplacedObjectTest);
#include "replaced_object_test.moc"
