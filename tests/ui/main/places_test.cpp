// The installs found at start in the main window: where the registry names no
// game, the window opens on the first install's saves, and the Places menu
// moves the lists to each of its folders.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "fixtures/window_test.h"
#include "synth/install_tree_builder.h"
#include "synth/memory_registry.h"
#include "synth/temp_dir.h"
#include "system/install_search.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/main/main_window.h"
#include "widgets/dir_list_box.h"

namespace tarnwick {

using fixtures::Find;
using fixtures::RowTexts;
namespace fs = std::filesystem;

class PlacesTest : public QObject {
    Q_OBJECT

private:
    fixtures::TempDir dir_;
    fs::path home_;
    fs::path game_;
    fs::path saves_;
    std::vector<GameInstall> installs_;

    QString Text(const fs::path& path) const { return QString::fromStdString(path.string()); }

    static QAction* PlaceAction(MainWindow& form, const QString& caption)
    {
        auto* menu = form.menuBar()->findChild<QMenu*>(QStringLiteral("placesMenu"));
        if (menu == nullptr)
            return nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    static QString Folder(MainWindow& form) { return Find<DirListBox>(&form, names::kFolderList)->Path(); }

private slots:
    void initTestCase()
    {
        // The re-release under Proton, with a template UserData in its install,
        // and a classic install in ~/.wine after it.
        home_ = fs::canonical(dir_.Path());
        const fs::path steam = home_ / ".local/share/Steam";
        game_ = steam / "steamapps/common/The Sims Legacy Collection";
        const fs::path prefix = steam / "steamapps/compatdata/3314060/pfx";
        fixtures::WriteLibraryList(steam, {steam.string()});
        fixtures::WriteAppManifest(steam, "3314060", "The Sims Legacy Collection");
        fixtures::WriteGameFolder(game_);
        fixtures::WriteNeighbourhoods(game_, {"UserData"});
        fixtures::WriteWinePrefix(prefix);
        saves_ = fixtures::ReReleaseSavesFolder(prefix);
        fixtures::WriteNeighbourhoods(saves_, {"UserData", "UserData2"});
        fixtures::WriteWinePrefix(home_ / ".wine", {{"SIMS_DATA", "C:\\The Sims"}});
        fixtures::WriteGameFolder(home_ / ".wine/drive_c/The Sims");
        installs_ = FindInstalls({home_, [](std::string_view) { return std::string(); }}).Installs;
        QCOMPARE(installs_.size(), std::size_t{2});
    }

    void opensOnTheFirstNeighbourhoodWithoutTheClassicKey()
    {
        fixtures::MemoryRegistry registry;  // no key
        OpenFile openFile;
        MainWindow form(openFile, registry, installs_);
        QCOMPARE(Folder(form), Text(saves_ / "UserData/Characters"));
        QCOMPARE(RowTexts(Find<QWidget>(&form, names::kFileList)), QStringList{"UserData.IFF"});
    }

    void theDefinedMenusComeFirst()
    {
        fixtures::MemoryRegistry registry;
        OpenFile openFile;
        MainWindow form(openFile, registry, installs_);
        const QList<QAction*> commands = form.menuBar()->actions();
        QCOMPARE(commands.size(), 5);
        QCOMPARE(commands[0]->text(), QStringLiteral("E&xit"));
        QCOMPARE(commands[1]->text(), QStringLiteral("&About"));
        QCOMPARE(commands[2]->text(), QStringLiteral("&Places"));
        QCOMPARE(commands[3]->text(), QStringLiteral("A&rchive"));
        QCOMPARE(commands[4]->text(), QStringLiteral("&Library"));
    }

    void aPlaceMovesTheLists_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("game folder") << "Game folder" << Text(game_) << names::kIffOption << QStringList{};
        QTest::newRow("downloads") << "Downloads" << Text(game_ / "Downloads") << names::kIffOption
                                   << QStringList{"chair.iff"};
        QTest::newRow("second neighbourhood")
            << "Characters of UserData2" << Text(saves_ / "UserData2/Characters") << names::kIffOption
            << QStringList{"UserData2.IFF"};
        QTest::newRow("walls") << "Walls" << Text(game_ / "GameData/Walls") << names::kWallsOption
                               << QStringList{"brick.wll"};
        QTest::newRow("floors") << "Floors" << Text(game_ / "GameData/Floors") << names::kFloorsOption
                                << QStringList{"tile.flr"};
    }

    void aPlaceMovesTheLists()
    {
        QFETCH(QString, caption);
        QFETCH(QString, folder);
        QFETCH(QString, option);
        QFETCH(QStringList, files);
        fixtures::MemoryRegistry registry;
        OpenFile openFile;
        MainWindow form(openFile, registry, installs_);
        QAction* place = PlaceAction(form, caption);
        QVERIFY(place != nullptr);
        place->trigger();
        QCOMPARE(Folder(form), folder);
        QVERIFY(Find<QRadioButton>(&form, qPrintable(option))->isChecked());
        QCOMPARE(RowTexts(Find<QWidget>(&form, names::kFileList)), files);
    }

    void theClassicKeyStillComesFirst()
    {
        fixtures::MemoryRegistry registry;
        registry.SetText("Software\\Maxis\\The Sims", "SIMS_DATA", "C:\\The Sims");
        qputenv("WINEPREFIX", Text(home_ / ".wine").toUtf8());
        fs::create_directories(home_ / ".wine/drive_c/The Sims/UserData/Characters");
        OpenFile openFile;
        MainWindow form(openFile, registry, installs_);
        qunsetenv("WINEPREFIX");
        QCOMPARE(Folder(form), Text(home_ / ".wine/drive_c/The Sims/UserData/Characters"));
    }

    void withoutInstallsThePlacesSayNone()
    {
        fixtures::MemoryRegistry registry;
        OpenFile openFile;
        MainWindow form(openFile, registry);
        QAction* none = PlaceAction(form, QStringLiteral("No installation of The Sims found"));
        QVERIFY(none != nullptr);
        QVERIFY(!none->isEnabled());
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(places_test, tarnwick::PlacesTest);
#include "places_test.moc"
