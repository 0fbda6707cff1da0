// Archives in the main window: listed after a folder's subfolders, opened as
// folders with their members as files and their inner folders as folders,
// members loaded as loose files are, and the lists following the archive on disk.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <cstdio>
#include <filesystem>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "synth/far_builder.h"
#include "synth/object_builder.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/inspector_window.h"
#include "ui/main/archive_menu.h"
#include "ui/main/command_line.h"
#include "widgets/dir_list_box.h"
#include "widgets/file_list_box.h"

namespace tarnwick {

using fixtures::Bytes;
using fixtures::Find;

namespace {

constexpr int kObjectRow = 0;
constexpr int kBehaviourRow = 2;

// A towel rack whose definition names its catalogue strings and main behaviour.
Bytes ObjectFile()
{
    return fixtures::IffBuilder()
        .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
        .Chunk("OBJD", "Towel rack", fixtures::ObjectDefinitionBody(138, 106, {{3, 4096}, {39, 128}}),
               fixtures::ChunkId(128))
        .Chunk("CTSS", "Catalogue",
               fixtures::TextTableBody(TextTableLayout::Languages, {{1, "Towel Rack", ""}}),
               fixtures::ChunkId(128))
        .Chunk("BHAV", "main", Bytes(24, 0), fixtures::ChunkId(4096))
        .Build();
}

Bytes OneChunk(const char* label)
{
    return fixtures::IffBuilder().Chunk("GLOB", label, fixtures::ToBytes("abc")).Build();
}

// "Objects.far", laid out as the game's own: an object in a folder, a folder
// in that, loose members of each kind, and one whose bytes lie past the end.
Bytes ObjectsArchive()
{
    return fixtures::FarBuilder()
        .Member("table.iff", OneChunk("Table"))
        .Member("People\\maid.iff", ObjectFile())
        .Member("People\\Staff\\cook.iff", OneChunk("Cook"))
        .Member("wall.wll", OneChunk("Wall"))
        .Member("floor.FLR", OneChunk("Floor"))
        .Member("damaged.iff", OneChunk("Damaged"))
        .Size(1'000'000)
        .Build();
}

// The rows of a folder or file list after its own lines (the folders above).
QStringList Entries(const QAbstractItemView* view)
{
    const QStringList rows = fixtures::RowTexts(view);
    const auto* folders = dynamic_cast<const DirListBox*>(view);
    return folders == nullptr ? rows : rows.mid(view->currentIndex().row() + 1);
}

}  // namespace

class ArchiveWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;
    std::unique_ptr<fixtures::TempDir> files_;

    MainWindow* Main() const { return &window_->Form(); }
    QAbstractItemView* Folders() const { return window_->View(names::kFolderList); }
    QAbstractItemView* Files() const { return window_->View(names::kFileList); }
    QListWidget* Chunks() const { return window_->List(names::kChunkList); }
    InspectorWindow* Inspector() const { return Main()->Inspection().Window(); }
    QString Details() const { return Find<QGroupBox>(Main(), names::kDetailsFrame)->title(); }
    QString Folder() const { return Find<DirListBox>(Main(), names::kFolderList)->Path(); }
    QString Top() const { return QString::fromStdString(files_->Path().string()); }

    // Opens the folder list's entry `name`, as Enter on it does.
    bool Enter(const QString& name) const
    {
        if (!window_->Pick(names::kFolderList, name))
            return false;
        QTest::keyClick(Folders(), Qt::Key_Return);
        return true;
    }
    void Choose(const char* option) const { Find<QRadioButton>(Main(), option)->click(); }
    QString OpenAtStartSaying(const QStringList& words) const
    {
        std::FILE* errors = std::tmpfile();
        OpenAtStart(*Main(), {words.value(0), words.value(1)}, errors);
        QByteArray written(4096, '\0');
        std::rewind(errors);
        written.resize(static_cast<qsizetype>(std::fread(written.data(), 1, 4096, errors)));
        std::fclose(errors);
        return QString::fromLocal8Bit(written);
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        files_ = std::make_unique<fixtures::TempDir>();
        files_->Write("Objects.far", ObjectsArchive());
        files_->Write("UPPER.FAR", fixtures::FarBuilder().Member("up.iff", OneChunk("Up")).Build());
        files_->Write("declined.far", fixtures::FarBuilder().Version(3).Build());
        files_->Write("notes.far", fixtures::ToBytes("These are notes, not an archive."));
        files_->Write("loose.IFF", OneChunk("Loose"));
        std::filesystem::create_directories(files_->Path() / "Sub");
        std::filesystem::create_directories(files_->Path() / "another");
        std::filesystem::create_directories(files_->Path() / "folder.far");
        QCOMPARE(Main()->Open(Top()), QString());
    }

    void cleanup()
    {
        window_.reset();
        files_.reset();
    }

    // The object in a folder of the archive: its chunks, the inspector on its
    // definition, a link followed and back, as in a loose file.
    void aMemberInAFolderIsInspectedAsALooseFileIs()
    {
        QVERIFY(Enter("Objects.far"));
        QCOMPARE(Folder(), Top() + "/Objects.far");
        QVERIFY(Enter("People"));
        QCOMPARE(Entries(Files()), QStringList{"maid.iff"});
        QVERIFY(window_->Pick(names::kFileList, "maid.iff"));
        QCOMPARE(Details(), QStringLiteral("File Details for People\\maid.iff in Objects.far"));
        QCOMPARE(fixtures::RowTexts(Chunks()),
                 (QStringList{"1: OBJD [Towel rack]", "2: CTSS [Catalogue]", "3: BHAV [main]"}));

        Chunks()->setCurrentRow(kObjectRow);
        QTest::keyClick(Chunks(), Qt::Key_Return);
        QVERIFY(Inspector() && Inspector()->isVisible());
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueName")->text(), QStringLiteral("Towel Rack"));
        auto* fields = Find<QTableWidget>(Inspector(), "Fields");
        const auto found = fields->findItems(QStringLiteral("Main behaviour"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        emit fields->itemActivated(fields->item(found.first()->row(), 3));
        QTRY_COMPARE(Inspector()->ChunkIndex(), ListedChunk(kBehaviourRow));
        QCOMPARE(Chunks()->currentRow(), kBehaviourRow);
        QVERIFY(Inspector()->GoBack());
        QCOMPARE(Inspector()->ChunkIndex(), ListedChunk(kObjectRow));
        QCOMPARE(Chunks()->currentRow(), kObjectRow);
    }

    // As the library opens an object it lists inside an archive.
    void opensAMemberAtAChunk()
    {
        QCOMPARE(Main()->OpenAtChunk(Top() + "/Objects.far", QStringLiteral("People\\maid.iff"), 3),
                 QString());
        QCOMPARE(Details(), QStringLiteral("File Details for People\\maid.iff in Objects.far"));
        QCOMPARE(Chunks()->currentRow(), kBehaviourRow);
    }

    // Subfolders as before, then the archives, each group by name in any case;
    // the archives marked by an icon of their own.
    void archivesFollowTheSubfolders()
    {
        QCOMPARE(Entries(Folders()), (QStringList{"another", "folder.far", "Sub", "declined.far", "notes.far",
                                                  "Objects.far", "UPPER.FAR"}));
        const auto icon = [this](int entry) {
            const int row = Folders()->currentIndex().row() + 1 + entry;
            return Folders()->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey();
        };
        QCOMPARE(icon(1), icon(0));   // a folder named as an archive is a folder
        QVERIFY(icon(3) != icon(2));  // an archive is not
        QCOMPARE(icon(6), icon(3));
        QCOMPARE(Entries(Files()), QStringList{"loose.IFF"});
    }

    void membersAreFilteredByTheOption_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("IFF at the top")
            << "" << names::kIffOption << QStringList{"damaged.iff", "table.iff"} << QStringList{"People"};
        QTest::newRow("Walls") << "" << names::kWallsOption << QStringList{"wall.wll"}
                               << QStringList{"People"};
        QTest::newRow("Floors, stored in capitals")
            << "" << names::kFloorsOption << QStringList{"floor.FLR"} << QStringList{"People"};
        QTest::newRow("IFF in a folder")
            << "People" << names::kIffOption << QStringList{"maid.iff"} << QStringList{"Staff"};
        QTest::newRow("Walls in a folder")
            << "People" << names::kWallsOption << QStringList{} << QStringList{"Staff"};
        QTest::newRow("a folder in a folder")
            << "People/Staff" << names::kIffOption << QStringList{"cook.iff"} << QStringList{};
    }

    void membersAreFilteredByTheOption()
    {
        QFETCH(QString, folder);
        QFETCH(QString, option);
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QVERIFY(Enter("Objects.far"));
        for (const QString& inner : folder.split(u'/', Qt::SkipEmptyParts))
            QVERIFY(Enter(inner));
        Choose(qPrintable(option));
        QCOMPARE(Entries(Files()), files);
        QCOMPARE(Entries(Folders()), folders);
    }

    // The folders above stay listed, the archive among them: the way back up.
    void theFoldersAboveLeadBackOut()
    {
        QVERIFY(Enter("Objects.far"));
        QVERIFY(Enter("People"));
        QVERIFY(Enter("Staff"));
        QCOMPARE(Folder(), Top() + "/Objects.far/People/Staff");
        const QStringList rows = fixtures::RowTexts(Folders());
        QCOMPARE(rows.mid(rows.size() - 3), (QStringList{"Objects.far", "People", "Staff"}));
        QVERIFY(Enter("Objects.far"));
        QCOMPARE(Folder(), Top() + "/Objects.far");
        QCOMPARE(Entries(Files()), (QStringList{"damaged.iff", "table.iff"}));
        QVERIFY(Enter(files_->Path().filename().c_str()));
        QCOMPARE(Folder(), Top());
        QCOMPARE(Entries(Files()), QStringList{"loose.IFF"});
    }

    void aDamagedMemberSaysWhy()
    {
        QVERIFY(Enter("Objects.far"));
        QVERIFY(window_->Pick(names::kFileList, "damaged.iff"));
        QCOMPARE(Details(), QStringLiteral("File Details for damaged.iff in Objects.far"));
        QCOMPARE(Chunks()->count(), 1);
        QVERIFY2(Chunks()->item(0)->text().startsWith(QStringLiteral("Error reading file - ")),
                 qPrintable(Chunks()->item(0)->text()));
        QCOMPARE(window_->Module().Chunks.Count(), std::size_t{0});
        // The next member loads as ever.
        QVERIFY(window_->Pick(names::kFileList, "table.iff"));
        QCOMPARE(fixtures::RowTexts(Chunks()), QStringList{"1: GLOB [Table]"});
    }

    void aDeclinedArchiveSaysWhy_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another game's version") << "declined.far"
                                                << "3";
        QTest::newRow("not an archive") << "notes.far"
                                        << "";
    }

    void aDeclinedArchiveSaysWhy()
    {
        QFETCH(QString, archive);
        QFETCH(QString, reason);
        QVERIFY(Enter(archive));
        QCOMPARE(Folder(), Top() + u'/' + archive);
        const QStringList files = fixtures::RowTexts(Files());
        QCOMPARE(files.size(), 1);
        QVERIFY2(files.first().startsWith(QStringLiteral("Cannot open this archive: ")),
                 qPrintable(files.first()));
        QVERIFY2(files.first().contains(reason), qPrintable(files.first()));
        QCOMPARE(Entries(Folders()), QStringList{});
        QCOMPARE(Details(), QStringLiteral("File Details"));
    }

    void theListsFollowTheArchiveOnDisk_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("written again") << "write"
                                       << "/Objects.far/People" << QStringList{"butler.iff", "maid.iff"};
        QTest::newRow("replaced by another")
            << "replace"
            << "/Objects.far/People" << QStringList{"butler.iff", "maid.iff"};
        QTest::newRow("its folder gone") << "drop folder"
                                         << "/Objects.far" << QStringList{"table.iff"};
        QTest::newRow("removed") << "remove"
                                 << "" << QStringList{"loose.IFF"};
    }

    void theListsFollowTheArchiveOnDisk()
    {
        QFETCH(QString, change);
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QVERIFY(Enter("Objects.far"));
        QVERIFY(Enter("People"));
        QVERIFY(window_->Pick(names::kFileList, "maid.iff"));
        const std::filesystem::path archive = files_->Path() / "Objects.far";
        if (change == QLatin1String("remove")) {
            std::filesystem::remove(archive);
        } else {
            fixtures::FarBuilder changed;
            changed.Member("table.iff", OneChunk("Table"));
            if (change != QLatin1String("drop folder"))
                changed.Member("People\\maid.iff", ObjectFile())
                    .Member("People\\butler.iff", OneChunk("Butler"));
            if (change == QLatin1String("replace")) {
                files_->Write("new.far", changed.Build());
                std::filesystem::rename(files_->Path() / "new.far", archive);
            } else {
                files_->Write("Objects.far", changed.Build());
            }
        }
        QTRY_COMPARE(Folder(), Top() + folder);
        QTRY_COMPARE(Entries(Files()), files);
        // The member shown stays shown.
        QCOMPARE(Details(), QStringLiteral("File Details for People\\maid.iff in Objects.far"));
    }

    void theCommandLineOpensAnArchiveOrAMember_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("details");
        QTest::newRow("an archive is a folder") << QStringList{"Objects.far"} << "/Objects.far"
                                                << "File Details";
        QTest::newRow("in capitals") << QStringList{"UPPER.FAR"} << "/UPPER.FAR"
                                     << "File Details";
        QTest::newRow("a member as stored")
            << QStringList{"Objects.far", "People\\maid.iff"} << "/Objects.far/People"
            << "File Details for People\\maid.iff in Objects.far";
        QTest::newRow("a member with slashes, in another case")
            << QStringList{"Objects.far", "people/staff/COOK.IFF"} << "/Objects.far/People/Staff"
            << "File Details for People\\Staff\\cook.iff in Objects.far";
        QTest::newRow("a wall") << QStringList{"Objects.far", "wall.wll"} << "/Objects.far"
                                << "File Details for wall.wll in Objects.far";
    }

    void theCommandLineOpensAnArchiveOrAMember()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, folder);
        QFETCH(QString, details);
        words[0] = Top() + u'/' + words[0];
        QCOMPARE(Main()->Open(Top() + "/Sub"), QString());
        QCOMPARE(OpenAtStartSaying(words), QString());
        QCOMPARE(Folder(), Top() + folder);
        QCOMPARE(Details(), details);
        if (words.size() > 1)
            QCOMPARE(Chunks()->count() > 0, true);
    }

    void whatTheCommandLineCannotOpenChangesNothing_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("said");
        QTest::newRow("no such member") << QStringList{"Objects.far", "People\\cook.iff"} << "no member";
        QTest::newRow("a member of a declined archive") << QStringList{"declined.far", "x.iff"} << "3";
        QTest::newRow("a member of a loose file") << QStringList{"loose.IFF", "x.iff"} << "only an archive";
        QTest::newRow("an archive that is not there") << QStringList{"gone.far", "x.iff"} << "no such file";
    }

    void whatTheCommandLineCannotOpenChangesNothing()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, said);
        words[0] = Top() + u'/' + words[0];
        const QString error = OpenAtStartSaying(words);
        QCOMPARE(error.count(u'\n'), 1);
        QVERIFY2(error.contains(said), qPrintable(error));
        QCOMPARE(Folder(), Top());
        QCOMPARE(Details(), QStringLiteral("File Details"));
    }

    // The Archive menu's commands are there when there is something to take out.
    void theArchiveMenuFollowsWhatIsShown()
    {
        auto* save = Main()->findChild<QAction*>(QStringLiteral("saveMember"));
        auto* extract = Main()->findChild<QAction*>(QStringLiteral("extractAll"));
        QVERIFY(!save->isEnabled() && !extract->isEnabled());
        QCOMPARE(Main()->Open(Top() + "/Objects.far", "table.iff"), QString());
        QVERIFY(save->isEnabled() && extract->isEnabled());
        QVERIFY(Enter(files_->Path().filename().c_str()));
        QVERIFY(save->isEnabled() && !extract->isEnabled());  // the member is still shown
        QVERIFY(window_->Pick(names::kFileList, "loose.IFF"));
        QVERIFY(!save->isEnabled());
    }

    void savesTheMemberShown()
    {
        const fixtures::TempDir out;
        const QString path = QString::fromStdString((out.Path() / "saved.iff").string());
        QVERIFY(Main()->Archives().SaveMemberTo(path) != QString());  // none shown yet
        QCOMPARE(Main()->Open(Top() + "/Objects.far", "People\\maid.iff"), QString());
        QCOMPARE(Main()->Archives().SaveMemberTo(path), QString());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const Bytes object = ObjectFile();
        QCOMPARE(saved.readAll(), QByteArray(reinterpret_cast<const char*>(object.data()),
                                             static_cast<qsizetype>(object.size())));
    }

    void extractsOnlyIntoTheChosenFolder_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replacing what is there") << true;
        QTest::newRow("keeping what is there") << false;
    }

    void extractsOnlyIntoTheChosenFolder()
    {
        QFETCH(bool, replace);
        files_->Write("Hostile.far", fixtures::FarBuilder()
                                         .Member("good.iff", OneChunk("Good"))
                                         .Member("People\\maid.iff", ObjectFile())
                                         .Member("..\\escape.iff", OneChunk("Escape"))
                                         .Member("a\\..\\..\\up.iff", OneChunk("Up"))
                                         .Build());
        const fixtures::TempDir around;
        const std::filesystem::path out = around.Path() / "out";
        std::filesystem::create_directories(out);
        around.Write("out/good.iff", fixtures::ToBytes("old"));
        QTRY_VERIFY(Enter("Hostile.far"));  // once the list has seen it
        int asked = 0;
        const QString report = Main()->Archives().ExtractAllTo(
            QString::fromStdString(out.string()), [&](int existing, const QString& example) {
                ++asked;
                return existing == 1 && example == QLatin1String("good.iff") && replace;
            });
        QCOMPARE(asked, 1);
        QVERIFY2(report.startsWith(QStringLiteral("Extracted ")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("\n  ..\\escape.iff: ")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("  a\\..\\..\\up.iff: ")), qPrintable(report));
        QVERIFY(std::filesystem::is_regular_file(out / "People" / "maid.iff"));
        QCOMPARE(std::filesystem::file_size(out / "good.iff"),
                 static_cast<std::uintmax_t>(replace ? OneChunk("Good").size() : 3));
        // Nothing beside the chosen folder, nor above it.
        std::vector<std::string> around_it;
        for (const auto& entry : std::filesystem::directory_iterator(around.Path()))
            around_it.push_back(entry.path().filename().string());
        QCOMPARE(around_it, std::vector<std::string>{"out"});
        QVERIFY(!std::filesystem::exists(files_->Path() / "escape.iff"));
        QVERIFY(!std::filesystem::exists(around.Path().parent_path() / "escape.iff"));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(archive_window_test, tarnwick::ArchiveWindowTest);
#include "archive_window_test.moc"
