// Saves a picture of each window, filled from a synthesised game folder, into
// the folder given as the first argument. A second argument, a game folder
// such as the demo's, is what the library's pictures show instead.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <string>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "model/container/chunk_lookup.h"
#include "model/decoders/decoded_types.h"
#include "synth/behaviour_builder.h"
#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/multi_tile_object.h"
#include "synth/showcase.h"
#include "synth/showcase_object.h"
#include "synth/sprite_builder.h"
#include "synth/temp_dir.h"
#include "synth/text_table_builder.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/inspector_window.h"
#include "ui/inspector/views/draw_group_view.h"
#include "ui/inspector/views/picture_view.h"
#include "ui/inspector/views/sprite_frames_view.h"
#include "ui/library/library_window.h"

namespace {

using tarnwick::fixtures::Find;
namespace names = tarnwick::names;

void Save(QWidget& window, const QDir& folder, const char* name)
{
    QApplication::processEvents();
    window.grab().save(folder.filePath(QString::fromLatin1(name) + ".png"));
}

void Choose(QWidget& window, const char* list, int index)
{
    auto* combo = Find<QComboBox>(&window, list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The inspector on each of its views, over the showcase chunks.
void SaveInspectorPictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    tarnwick::OpenFile openFile;
    Bitmap large{320, 240, 24, false, {}, {}, {}};
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.pixels.push_back(static_cast<std::uint32_t>(((x / 8 + y / 8) % 2 ? 0xE0 : 0x40) << 16 |
                                                              (x * 255 / 320) << 8 | (y * 255 / 240)));
    LoadBytes(openFile, IffBuilder()
                            .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
                            .Chunk("CTSS", "Bath towel", ShowcaseTextTable(), ChunkId(500))
                            .Chunk("PALT", "Warm colours", ShowcasePalette(), ChunkId(300))
                            .Chunk("SPR#", "Ball, old form", ShowcaseOldSprite(300), ChunkId(301))
                            .Chunk("SPR2", "Ball", ShowcaseSprite2(300), ChunkId(300))
                            .Chunk("FBMP", "Source", BmpFile(large), ChunkId(600))
                            .ChunkWithSizeField("BHAV", 9000, "Cut short", ToBytes("Bytes no view decodes."),
                                                ChunkId(7))
                            .Build());
    tarnwick::InspectorWindow inspector(openFile);
    inspector.resize(760, 560);
    inspector.show();
    const auto show = [&](tarnwick::ChunkNumber chunk, const char* name,
                          const std::function<void()>& adjust = {}) {
        inspector.ShowChunk(chunk);
        if (adjust)
            adjust();
        Save(inspector, out, name);
    };
    show(1, "inspector-strings");
    show(2, "inspector-palette");
    show(3, "inspector-sprite",
         [&] { dynamic_cast<tarnwick::SpriteFramesView*>(inspector.View())->SetZoom(3); });
    show(4, "inspector-spr2-depth", [&] {
        auto* view = dynamic_cast<tarnwick::SpriteFramesView*>(inspector.View());
        view->SetZoom(2);
        view->SetChannel(tarnwick::SpriteChannel::Depth);
    });
    show(5, "inspector-bitmap-zoomed",
         [&] { dynamic_cast<tarnwick::PictureView*>(inspector.View())->SetZoom(3); });
    show(6, "inspector-hex");
}

// Loads into `openFile` a chunk file with the header objects carry, its chunks
// added by `add`.
template <typename AddChunks>
void LoadBuiltFile(tarnwick::OpenFile& openFile, AddChunks add)
{
    tarnwick::fixtures::IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    add(file);
    tarnwick::fixtures::LoadBytes(openFile, file.Build());
}

// The inspector on the showcase object's draw group: its twelve views and the
// one chosen large.
void SaveDrawGroupPictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    tarnwick::OpenFile openFile;
    LoadBuiltFile(openFile, AddShowcaseObject);
    tarnwick::InspectorWindow inspector(openFile);
    inspector.resize(780, 600);
    inspector.show();
    inspector.ShowChunk(5);
    dynamic_cast<tarnwick::DrawGroupView*>(inspector.View())->Pick(2, 1);
    Save(inspector, out, "inspector-draw-group-small");
    inspector.resize(1120, 760);
    inspector.ShowChunk(5);
    QApplication::processEvents();  // the scroll area settles once the splitter is laid out
    Save(inspector, out, "inspector-draw-group");
}

// The inspector on the showcase object's definition, thumbnail and catalogue
// name above its fields.
void SaveObjectPictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    tarnwick::OpenFile openFile;
    LoadBuiltFile(openFile, AddShowcaseObjectFile);
    tarnwick::InspectorWindow inspector(openFile);
    inspector.resize(780, 600);
    inspector.show();
    inspector.ShowChunk(tarnwick::FindChunk(openFile.Chunks, "OBJD", kShowcaseDefinitionId));
    Save(inspector, out, "inspector-object");
    inspector.ShowChunk(tarnwick::FindChunk(openFile.Chunks, "BHAV", 4096));
    Save(inspector, out, "inspector-object-main");
}

// The inspector on the masters of the two-tile bench and the nine-tile stage:
// the buyer's card, the whole object's grid, and each rotation near at four
// times its size to look for seams.
void SaveMultiTilePictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    for (const MultiTileObject& object : {kTwoTileBench, kNineTileStage}) {
        const std::string stem =
            "inspector-multi-tile-" + std::to_string(object.width) + "x" + std::to_string(object.depth);
        tarnwick::OpenFile openFile;
        LoadBuiltFile(openFile, [&](IffBuilder& file) { AddMultiTileObjectFile(file, object); });
        tarnwick::InspectorWindow inspector(openFile);
        inspector.resize(1120, 760);
        inspector.show();
        inspector.ShowChunk(tarnwick::FindChunk(openFile.Chunks, "OBJD", kMultiTileMasterId));
        Save(inspector, out, (stem + "-card").c_str());
        inspector.View()->findChild<QTabWidget*>(QStringLiteral("Pages"))->setCurrentIndex(1);
        QApplication::processEvents();
        Save(inspector, out, (stem + "-whole").c_str());
        const std::vector<QImage> views = inspector.View()->Frames();
        for (int rotation = 0; rotation < 4; ++rotation)
            views[static_cast<std::size_t>(rotation)]
                .scaled(views[static_cast<std::size_t>(rotation)].size() * 4)
                .save(out.filePath(QString::fromStdString(stem) +
                                   QStringLiteral("-rotation-%1.png").arg(rotation)));
    }
}

// The inspector on the demo's fountain in a game folder: its calls named from
// Global.far, then the global behaviour its first call leads to.
void SaveCalledBehaviourPictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    GameWindow window;
    const std::filesystem::path characters = window.Game().Characters().toStdString();
    const std::filesystem::path game = characters.parent_path().parent_path();
    WriteFile(game / "GameData" / "Behavior.iff", BehaviourFileBytes({{4096, "Main"}}));
    WriteFile(game / "GameData" / "Global" / "Global.far", DemoGlobalArchive());
    WriteFile(characters / "Demo Fountain.IFF", DemoFountainFile());
    // The file list shows the new file once it has looked at the folder again.
    if (!QTest::qWaitFor([&] { return window.Pick(names::kFileList, QStringLiteral("Demo Fountain.IFF")); }))
        return;
    tarnwick::InspectorWindow* inspector = window.Inspect(0);
    if (inspector == nullptr)
        return;
    inspector->resize(900, 300);
    Save(*inspector, out, "inspector-behaviour-named-calls");
    auto* calls = Find<QTableWidget>(inspector->View(), "Instructions");
    calls->setFocus();
    calls->setCurrentCell(0, 1);
    QTest::keyClick(calls, Qt::Key_Return);
    QTest::qWait(100);
    Save(*inspector, out, "inspector-behaviour-followed-global");
}

// The inspector on an object's behaviour, interactions, constants and
// semi-global name.
void SaveBehaviourPictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    using tarnwick::Instruction;
    const std::vector<Instruction> main = {
        {4097, 1, 9, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},  // check water, temps as arguments
        {2, 2, 253, {0x00, 0x00, 0x02, 0x00, 0x00, 0x05, 0x08, 0x00}},   // temp 0 := my attribute 2
        {2, 3, 6, {0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x08, 0x07}},     // temp 0 > literal 10
        {44, 4, 253, {0x2C, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}},  // animate 300, global
        {8193, 5, 255, {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {280, 254, 6, {0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {8, 7, 253, {0x00, 0x00, 0x19, 0x00, 0x0A, 0x00, 0x07, 0x00}},  // local 0 := random below 10
        {0, 8, 8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},    // sleep
        {13, 254, 253, {0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {4098, 254, 255, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    };
    const std::vector<tarnwick::Interaction> menu = {
        {4098, 4100, 0x0002, 0, 3, 0x3DCCCCCD, 50, -1, {{}, {}, {}, {}, {}, {0, 25, 0}, {}, {-20, 40, 2}}, 0},
        {4099,
         4100,
         0x0110,
         1,
         0,
         0x3F000000,
         30,
         -1,
         {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {0, 10, 0}},
         0},
        {4101, 0, 0x0400, 2, 1, 0xA3A30AD7, 0, 1, {}, 0},
    };
    const Bytes texts = TextTableBody(tarnwick::TextTableLayout::Languages, {{1, "Take Bath", ""},
                                                                             {1, "Clean", ""},
                                                                             {1, "Drain", ""},
                                                                             {3, "Prendre un bain", ""},
                                                                             {3, "Nettoyer", ""},
                                                                             {3, "Vider", ""}});
    const auto small = [](std::uint16_t opcode) {
        return BehaviourBody({0x8003, 0, 0, 0, 0, -1}, {{opcode, 254, 255, {}}});
    };
    tarnwick::OpenFile openFile;
    LoadBytes(openFile,
              IffBuilder()
                  .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
                  .Chunk("BHAV", "Main", BehaviourBody({0x8002, 0, 2, 3, 0, -1}, main), ChunkId(4096))
                  .Chunk("BHAV", "Check water", small(2), ChunkId(4097))
                  .Chunk("BHAV", "Take bath", small(4097), ChunkId(4098))
                  .Chunk("BHAV", "Clean tub", small(280), ChunkId(4099))
                  .Chunk("BHAV", "Test: not dirty", small(2), ChunkId(4100))
                  .Chunk("TTAB", "Bathtub menu", InteractionsBody(9, menu, true), ChunkId(200))
                  .Chunk("TTAs", "Bathtub menu", texts, ChunkId(200))
                  .Chunk("BCON", "Tuning", ConstantsBody(0x80, {25, 0xFFEC, 300, 7}), ChunkId(4096))
                  .Chunk("GLOB", "Semi-global", Concat({{0x0B}, ToBytes("DoorGlobals.iff")}), ChunkId(128))
                  .Build());
    tarnwick::InspectorWindow inspector(openFile);
    inspector.resize(1100, 440);
    inspector.show();
    const auto show = [&](tarnwick::ChunkNumber chunk, const char* name) {
        inspector.ShowChunk(chunk);
        Save(inspector, out, name);
    };
    show(1, "inspector-behaviour");
    show(6, "inspector-interactions");
    inspector.Context().language = 3;
    show(6, "inspector-interactions-french");
    show(8, "inspector-constants");
    show(9, "inspector-semi-global");
}

// The inspector on one chunk of each decoded type, named after the type: a
// type added to the model's table without a chunk here fails the run.
bool SaveEveryTypePictures(const QDir& out)
{
    using namespace tarnwick::fixtures;
    IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    AddShowcaseObjectFile(file);
    file.Chunk("STR#", "Names", ShowcaseTextTable(), ChunkId(128))
        .Chunk("SPR#", "Ball, old form", ShowcaseOldSprite(300), ChunkId(301))
        .Chunk("BMP_", "Picture", BmpFile(SamplePicture()), ChunkId(400))
        .Chunk("FBMP", "Source", BmpFile(SamplePicture()), ChunkId(401))
        .Chunk("rsmp", "", ResourceMapBuilder().Type("STR#", 1).Entry(64, 128, 0, "Names").Build());
    tarnwick::OpenFile openFile;
    LoadBytes(openFile, file.Build());
    tarnwick::InspectorWindow inspector(openFile);
    inspector.resize(780, 600);
    inspector.show();
    bool every = true;
    for (const tarnwick::DecodedType& row : tarnwick::DecodedTypes()) {
        const tarnwick::ChunkNumber chunk = tarnwick::FindFirstChunk(openFile.Chunks, row.type);
        if (chunk == 0) {
            qWarning("No chunk of type %.4s to show.", row.type.data());
            every = false;
            continue;
        }
        inspector.ShowChunk(chunk);
        std::string name = "type-" + std::string(row.type);
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
                c = '_';
        Save(inspector, out, name.c_str());
    }
    return every;
}

// The main window with an archive beside the characters' folders, then inside
// it with a member of one of its folders loaded.
void SaveArchivePictures(tarnwick::fixtures::GameWindow& window, const QDir& out)
{
    using namespace tarnwick::fixtures;
    IffBuilder object;
    object.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    AddShowcaseObjectFile(object);
    const Bytes table = IffBuilder().Chunk("GLOB", "Table", ToBytes("abc")).Build();
    const QString archive = window.Game().Characters() + "/Objects.far";
    QFile file(archive);
    const Bytes bytes = FarBuilder()
                            .Member("table.iff", table)
                            .Member("People\\maid.iff", object.Build())
                            .Member("People\\butler.iff", table)
                            .Member("Lamps\\floor lamp.iff", table)
                            .Build();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        return;
    file.close();
    tarnwick::MainWindow& form1 = window.Form();
    form1.Open(window.Game().Characters());
    // The lists show the new archive once the folder's change has settled.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    Find<QAbstractItemView>(&form1, names::kFolderList)->scrollToBottom();
    Save(form1, out, "form1-archives");
    form1.Open(archive, QStringLiteral("People\\maid.iff"));
    Save(form1, out, "form1-archive-member");
}

}  // namespace

// The library over a game folder with a conflict of every class.
void SaveLibraryPictures(const QDir& out, const std::string& gameFolder)
{
    const tarnwick::fixtures::TempDir dir;
    tarnwick::fixtures::WriteConflictTree(dir.Path());
    tarnwick::LibraryWindow library({});
    library.show();
    bool ended = false;
    library.ScanEnded = [&] { ended = true; };
    library.Scan({dir.Path().string()});
    while (!ended)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    Save(library, out, "library-objects");
    library.findChild<QTabWidget*>()->setCurrentIndex(0);
    Save(library, out, "library-conflicts");

    // With objects that draw: a lamp loose and packed in an archive, and two
    // multi-tile objects; the pictures of the rows shown are waited for.
    tarnwick::fixtures::IffBuilder lamp;
    lamp.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    tarnwick::fixtures::AddShowcaseObjectFile(lamp);
    tarnwick::fixtures::WriteFile(dir.Path() / "Downloads" / "Lamp table.iff", lamp.Build());
    tarnwick::fixtures::WriteFile(
        dir.Path() / "GameData" / "Objects" / "Objects.far",
        tarnwick::fixtures::FarBuilder().Member("Lamps\\Lamp table.iff", lamp.Build()).Build());
    for (const auto& [name, tiles] : {std::pair{"Bench.iff", tarnwick::fixtures::kTwoTileBench},
                                      std::pair{"Stage.iff", tarnwick::fixtures::kNineTileStage}}) {
        tarnwick::fixtures::IffBuilder file;
        file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        tarnwick::fixtures::AddMultiTileObjectFile(file, tiles);
        tarnwick::fixtures::WriteFile(dir.Path() / "Downloads" / name, file.Build());
    }
    library.findChild<QTabWidget*>()->setCurrentWidget(&library.Objects());
    library.resize(1100, 760);
    ended = false;
    library.Scan({gameFolder.empty() ? dir.Path().string() : gameFolder});
    while (!ended)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    library.Objects().sortByColumn(5, Qt::DescendingOrder);  // by file: the archive and the stage first
    (void)library.grab();                                    // the rows shown ask for their pictures
    QTableView& objects = library.Objects();
    const int last = objects.rowAt(objects.viewport()->height() - 1);
    const auto allMade = [&] {
        for (int row = objects.rowAt(0);
             row >= 0 && row <= (last < 0 ? objects.model()->rowCount() - 1 : last); ++row)
            if (!library.ObjectPicture(objects.model()->index(row, 0)))
                return false;
        return true;
    };
    QElapsedTimer waited;
    waited.start();
    while (!allMade() && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    Save(library, out, "library-pictures");
}

// The inspector on a download that replaces a game object, once the game's
// objects are known, and on the original the link leads to.
void SaveReplacedObjectPictures(const QDir& out, const std::string& gameFolder)
{
    using namespace tarnwick::fixtures;
    const TempDir dir;
    // The library's cache, which the link reads, stays out of the user's.
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir.Path().string()));
    std::filesystem::path game = gameFolder;
    if (game.empty()) {
        game = dir.Path() / "game";
        WriteConflictTree(game);
        WriteFile(game / "GameData" / "Behavior.iff", BehaviourFileBytes({{4096, "Main"}}));
    }
    GameWindow window;
    const QString download = QString::fromStdString((game / "Downloads" / "Table recolour.iff").string());
    if (!window.Form().Open(download).isEmpty())
        return;
    tarnwick::InspectorWindow* inspector = window.Inspect(0);
    if (inspector == nullptr)
        return;
    inspector->resize(900, 420);
    const auto link = [&] { return inspector->View()->findChild<QLabel*>(QStringLiteral("ReplacedObject")); };
    if (!QTest::qWaitFor([&] { return link()->text().startsWith(QStringLiteral("Replaces")); }, 20000))
        return;
    Save(*inspector, out, "inspector-replaced-object");
    emit link()->linkActivated(QStringLiteral("original"));
    QTest::qWait(100);
    Save(*inspector, out, "inspector-replaced-object-original");
    qunsetenv("XDG_CACHE_HOME");
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    tarnwick::fixtures::GameWindow window;
    tarnwick::MainWindow& form1 = window.Form();
    window.Pick(names::kFileList, "a.IFF");
    auto* chunks = window.List(names::kChunkList);
    chunks->setCurrentRow(1);
    Save(form1, out, "form1");
    Save(*form1.Display().Window(), out, "form2-dump");
    chunks->setCurrentRow(0);
    Save(*form1.Display().Window(), out, "form2-strings");
    chunks->setCurrentRow(3);
    Save(*form1.Display().Window(), out, "form2-sprite");
    chunks->setCurrentRow(4);
    Save(*form1.Display().Window(), out, "form2-bitmap");
    // Both grow: the lists and the dump take the room.
    chunks->setCurrentRow(1);
    const QSize mainSize = form1.size();
    const QSize displaySize = form1.Display().Window()->size();
    form1.resize(mainSize + QSize(360, 240));
    form1.Display().Window()->resize(displaySize + QSize(240, 240));
    QCoreApplication::processEvents();
    Save(form1, out, "form1-enlarged");
    Save(*form1.Display().Window(), out, "form2-enlarged");
    form1.resize(mainSize);
    form1.Display().Window()->resize(displaySize);

    const auto modal = tarnwick::fixtures::WhenModalOpens([&](QDialog& form3) {
        Choose(form3, names::kSectionTypes, 0);
        Choose(form3, names::kSectionIds, 0);
        Save(form3, out, "form3");
        const auto editModal =
            tarnwick::fixtures::WhenModalOpens([&](QDialog& form4) { Save(form4, out, "form4"); });
        Find<QPushButton>(&form3, names::kSectionsEdit)->click();
    });
    chunks->setCurrentRow(2);
    SaveInspectorPictures(out);
    SaveDrawGroupPictures(out);
    SaveObjectPictures(out);
    SaveMultiTilePictures(out);
    SaveBehaviourPictures(out);
    SaveCalledBehaviourPictures(out);
    SaveReplacedObjectPictures(out, argc > 2 ? std::string(argv[2]) : std::string());
    SaveArchivePictures(window, out);
    SaveLibraryPictures(out, argc > 2 ? std::string(argv[2]) : std::string());
    return SaveEveryTypePictures(out) ? 0 : 1;
}
