#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <fstream>
#include <optional>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"
#include "tests/support/ordinary_user.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/inspector_settings.h"
#include "ui/inspector/save_dialogs.h"
#include "ui/inspector/views/hex_view.h"
#include "ui/inspector/views/palette_view.h"
#include "ui/inspector/views/picture_view.h"
#include "ui/inspector/views/resource_map_view.h"
#include "ui/inspector/views/sprite_frames_view.h"
#include "ui/inspector/views/text_table_view.h"
#include "widgets/file_list_box.h"

namespace tarnwick {

using fixtures::Bytes;
using fixtures::Find;
using Layout = TextTableLayout;

namespace {

// "e.IFF": one chunk of each view, numbered as the list shows them.
Bytes InspectedFile()
{
    const Bytes towel =
        fixtures::TextTableBody(Layout::Languages, {{1, "Bath Towel", ""},
                                                    {15, "\x83\x6F\x83\x58\x83\x5E\x83\x49\x83\x8B", ""},
                                                    {16, "R\xEA\x63znik", ""}});
    const fixtures::SpritePicture dot{2, 1, {1, -1}, {40, 0}, {31, 0}};
    const Bytes sprite2 =
        fixtures::Sprite2Body(1000, 300, {fixtures::Sprite2PictureFrame({0, 0, 7, 0, 0, 0, 0}, dot)});
    const auto paletteAt = static_cast<std::uint32_t>(64 + 76 + towel.size());
    return fixtures::IffBuilder()
        .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
        .Chunk("CTSS", "Towel", towel, fixtures::ChunkId(1))
        .Chunk("PALT", "Colours", fixtures::PaletteBody({0x000000, 0xFF8000, 0x00FF00}),
               fixtures::ChunkId(300))
        .Chunk("SPR2", "Dot", sprite2, fixtures::ChunkId(300))
        .Chunk("SPR#", "Old", fixtures::OldSpriteBody(504, 300, {fixtures::OldSpriteFrame(dot)}),
               fixtures::ChunkId(301))
        .Chunk("BMP_", "Picture", fixtures::BmpFile(fixtures::SamplePicture()), fixtures::ChunkId(5))
        .Chunk("SPR2", "Bad version", Bytes(12, 9), fixtures::ChunkId(6))
        .Chunk("rsmp", "",
               fixtures::ResourceMapBuilder().Type("PALT", 1).Entry(paletteAt, 300, 0, "Colours").Build())
        .Chunk("DATA", "Plain", Bytes(40, 7), fixtures::ChunkId(8, 0x10))
        .Build();
}

const char* Kind(const InspectorView* view)
{
    if (dynamic_cast<const TextTableView*>(view))
        return "strings";
    if (dynamic_cast<const PaletteView*>(view))
        return "palette";
    if (dynamic_cast<const SpriteFramesView*>(view))
        return "sprite";
    if (dynamic_cast<const PictureView*>(view))
        return "picture";
    if (dynamic_cast<const ResourceMapView*>(view))
        return "map";
    if (dynamic_cast<const HexView*>(view))
        return "hex";
    return "none";
}

// Answers the next file dialog with `path` (cancels it when empty), and tells
// the folder it opened in.
void AnswerFileDialog(const QString& path, QString* openedIn)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path, openedIn] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        poll->stop();
        poll->deleteLater();
        *openedIn = dialog->directory().absolutePath();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, checking the name
    });
    poll->start(10);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

class InspectorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;
    fixtures::TempDir out_;

    QListWidget* Chunks() const { return window_->List(names::kChunkList); }
    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    QString Out(const char* name) const { return QString::fromStdString((out_.Path() / name).string()); }
    QString ShownType() const
    {
        const ChunkWindow* form2 = window_->Form().Display().Window();
        return form2 ? Find<QLabel>(form2, names::kChunkType)->text() : QString();
    }
    // Opens the inspector on `row` by Enter, as a user would after selecting it.
    void Inspect(int row)
    {
        // A click on the resource map opens the sections dialog as well.
        std::optional<fixtures::ModalWatch> sections;
        if (window_->Module().Chunks.Find(ListedChunk(row))->Type == "rsmp")
            sections.emplace(fixtures::WhenModalOpens([](QDialog&) {}));
        Chunks()->setCurrentRow(row);
        QTest::keyClick(Chunks(), Qt::Key_Return);
        QVERIFY(Inspector() && Inspector()->isVisible());
        QCOMPARE(Inspector()->ChunkIndex(), row + 1);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        std::ofstream(window_->Game().Characters().toStdString() + "/e.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(InspectedFile().data()),
                   static_cast<std::streamsize>(InspectedFile().size()));
        // The file list follows the folder: the new file comes once it is seen.
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("e.IFF")));
        QCOMPARE(Chunks()->count(), 8);
    }
    void cleanup() { window_.reset(); }

    // The list shows 1000 chunks and its error line; the inspector reaches the
    // chunk past them, and the error line opens nothing.
    void reachesTheChunksPastTheList()
    {
        QVERIFY(window_->Pick(names::kFileList, QStringLiteral("many.IFF")));
        QCOMPARE(Chunks()->count(), 1001);
        QCOMPARE(window_->Module().Chunks.Count(), std::size_t{1001});
        Chunks()->setCurrentRow(1000);  // "Error reading file - Too many Chunks"
        QTest::keyClick(Chunks(), Qt::Key_Return);
        QVERIFY(!Inspector());
        Inspect(999);
        Inspector()->FollowLink(1001);
        QTRY_COMPARE(Inspector()->ChunkIndex(), std::size_t{1001});
        QCOMPARE(Chunks()->currentRow(), -1);  // no line to select
        QVERIFY(Inspector()->GoBack());
        QCOMPARE(Inspector()->ChunkIndex(), std::size_t{1000});
        QCOMPARE(Chunks()->currentRow(), 999);
    }

    // The hex lines of a chunk of 40 bytes: three lines, the last one short.
    void theHexLinesModelIsAWellBehavedModel()
    {
        HexView view(HexRows(ByteString(std::vector<std::uint8_t>(40, 0x41)), 64));
        QAbstractItemModelTester tester(view.Lines().model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(view.Lines().model()->rowCount(), 3);
        QVERIFY(view.Lines().model()->index(2, 0).data().toString().startsWith(QStringLiteral("00000020")));
        QVERIFY(!view.Lines().model()->index(3, 0).data().isValid());
    }

    void opensByDoubleClickEnterOrMenu_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("double-click") << "double-click";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("the menu's Inspect") << "&Inspect";
    }
    void opensByDoubleClickEnterOrMenu()
    {
        QFETCH(QString, how);
        const QRect line = Chunks()->visualItemRect(Chunks()->item(1));
        QTest::mouseClick(Chunks()->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(ShownType(), QStringLiteral("PALT"));
        QVERIFY(!Inspector());
        if (how == "double-click") {
            QTest::mouseDClick(Chunks()->viewport(), Qt::LeftButton, {}, line.center());
        } else if (how == "Enter") {
            QTest::keyClick(Chunks(), Qt::Key_Enter);
        } else {
            QTimer chooser;
            connect(&chooser, &QTimer::timeout, this, [&] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!menu)
                    return;
                chooser.stop();
                for (QAction* action : menu->actions())
                    if (action->text() == how)
                        menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            chooser.start(10);
            emit Chunks()->customContextMenuRequested(line.center());
        }
        QVERIFY(Inspector() && Inspector()->isVisible());
        QCOMPARE(Inspector()->objectName(), QStringLiteral("Inspector"));
        QCOMPARE(Inspector()->windowTitle(), QStringLiteral("Inspector - PALT 300 (0x012C) Colours"));
        QCOMPARE(ShownType(), QStringLiteral("PALT"));  // the chunk display, as a click left it
        QCOMPARE(Chunks()->currentRow(), 1);
    }

    void followsTheArrowKeysBesideTheChunkDisplay()
    {
        Inspect(0);
        const char* types[] = {"PALT", "SPR2", "SPR#"};
        for (int step = 1; step <= 3; ++step) {
            QTest::keyClick(Chunks(), Qt::Key_Down);
            QTRY_COMPARE(Inspector()->ChunkIndex(), ListedChunk(step));
            QCOMPARE(ShownType(), QString::fromLatin1(types[step - 1]));
        }
    }

    void loadingAnotherFileEmptiesIt()
    {
        Inspect(2);
        QVERIFY(window_->Pick(names::kFileList, QStringLiteral("b.iff")));
        QCOMPARE(Inspector()->ChunkIndex(), 0);
        QVERIFY(!Inspector()->View());
        QCOMPARE(Inspector()->windowTitle(), QStringLiteral("Inspector"));
    }

    void showsEachChunkInItsView_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("note");  // a part of the line above the view
        QTest::newRow("string table") << 0 << "strings"
                                      << "";
        QTest::newRow("palette") << 1 << "palette"
                                 << "3 colours";
        QTest::newRow("SPR2 with the palette its header names") << 2 << "sprite"
                                                                << "PALT 300 (0x012C)";
        QTest::newRow("SPR# with the palette its header names") << 3 << "sprite"
                                                                << "PALT 300 (0x012C)";
        QTest::newRow("bitmap") << 4 << "picture"
                                << "48 x 32";
        QTest::newRow("a declined sprite, as bytes") << 5 << "hex"
                                                     << "Shown as bytes: Sprite version";
        QTest::newRow("resource map") << 6 << "map"
                                      << "";
        QTest::newRow("any other type") << 7 << "hex"
                                        << "";
    }
    void showsEachChunkInItsView()
    {
        QFETCH(int, row);
        QFETCH(QString, kind);
        QFETCH(QString, note);
        Inspect(row);
        QCOMPARE(QString::fromLatin1(Kind(Inspector()->View())), kind);
        QVERIFY2(Find<QLabel>(Inspector(), "Note")->text().contains(note),
                 qPrintable(Find<QLabel>(Inspector(), "Note")->text()));
        QVERIFY(Find<QLabel>(Inspector(), "Header")->text().contains(QStringLiteral("Offset ")));
    }

    // The header and the title show a chunk's ID as the links and notes do.
    void showsAChunksIdOneWay()
    {
        Inspect(7);
        QVERIFY(Find<QLabel>(Inspector(), "Header")->text().contains(QStringLiteral("ID 8 (0x0008)")));
        QCOMPARE(Inspector()->windowTitle(), QStringLiteral("Inspector - DATA 8 (0x0008) Plain"));
    }

    void decodesEachLanguageInItsCodePage()
    {
        Inspect(0);
        QStringList values;
        auto* strings = Find<QTableWidget>(Inspector(), "Strings");
        for (int row = 0; row < strings->rowCount(); ++row)
            values << strings->item(row, 2)->text();
        QCOMPARE(values,
                 (QStringList{"Bath Towel", QString::fromUtf8("バスタオル"), QString::fromUtf8("Ręcznik")}));
        // Counted as the game counts, and said so beside the chunk display's count from 1.
        QCOMPARE(strings->item(0, 0)->text(), QStringLiteral("0"));
        QCOMPARE(strings->horizontalHeaderItem(0)->text(), QStringLiteral("Index from 0"));
        QVERIFY(Find<QWidget>(Inspector(), "Languages")->isVisible());
    }

    void drawsTheSpritesChannels()
    {
        Inspect(2);
        auto* view = dynamic_cast<SpriteFramesView*>(Inspector()->View());
        QCOMPARE(view->CurrentPicture().pixel(0, 0), qRgba(0xFF, 0x80, 0x00, 0xFF));
        QCOMPARE(qAlpha(view->CurrentPicture().pixel(1, 0)), 0);
        view->SetChannel(SpriteChannel::Depth);
        QCOMPARE(view->CurrentPicture().pixel(0, 0), qRgb(40, 40, 40));
        QCOMPARE(view->CurrentPicture().pixel(1, 0), qRgb(255, 255, 255));
    }

    void aResourceMapEntryPicksItsChunk()
    {
        Inspect(6);
        auto* entries = Find<QTableWidget>(Inspector(), "Entries");
        // The ID as the inspector shows IDs, apart from the flags the map keeps beside it.
        QCOMPARE(entries->item(0, 1)->text(), QStringLiteral("300 (0x012C)"));
        QCOMPARE(entries->item(0, 2)->text(), QStringLiteral("0x0000"));
        emit entries->cellDoubleClicked(0, 0);
        QCOMPARE(Chunks()->currentRow(), 1);
        QCOMPARE(ShownType(), QStringLiteral("PALT"));
    }

    void copiesTheSelectedHexLines()
    {
        Inspect(7);
        auto* lines = Find<QTableView>(Inspector(), "HexLines");
        lines->selectionModel()->select(
            QItemSelection(lines->model()->index(1, 0), lines->model()->index(2, 0)),
            QItemSelectionModel::Select);
        Inspector()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Inspector()));
        lines->setFocus();
        QTest::keyClick(lines, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 2);
        QVERIFY2(copied[0].startsWith(QStringLiteral("00000010  0000")), qPrintable(copied[0]));
    }

    void savesWhatItSays()
    {
        Inspect(0);
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::Table, Out("towel.txt")), QString());
        QCOMPARE(QString::fromUtf8(Contents(Out("towel.txt"))).split(u'\n')[2],
                 QString::fromUtf8("0\tJapanese\tバスタオル\t"));
        // The contents alone, and the chunk with its 76-byte header.
        const ChunkInfo& towel = *window_->Module().Chunks.Find(1);
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::Contents, Out("towel.bin")), QString());
        QCOMPARE(Contents(Out("towel.bin")),
                 QByteArray(reinterpret_cast<const char*>(towel.Data.span().data()) + 76,
                            static_cast<qsizetype>(towel.Data.size() - 76)));
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::WholeChunk, Out("whole.bin")), QString());
        QCOMPARE(Contents(Out("whole.bin")).size(), static_cast<qsizetype>(towel.Data.size()));
        QVERIFY(Contents(Out("whole.bin")).startsWith("CTSS"));
        Inspect(2);
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::AllFrames, Out("")), QString());
        QCOMPARE(QImage(Out("SPR2 300 Dot-000.png")).size(), QSize(2, 1));
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::SpriteSheet, Out("sheet.png")), QString());
        QCOMPARE(QImage(Out("sheet.png")).pixel(0, 0), qRgba(0xFF, 0x80, 0x00, 0xFF));
        // As BMP, by the name: opaque, what was see-through on white.
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::SpriteSheet, Out("sheet.BMP")), QString());
        QVERIFY(Contents(Out("sheet.BMP")).startsWith("BM"));
        const QImage sheet(Out("sheet.BMP"), "BMP");
        QCOMPARE(sheet.pixel(0, 0), qRgb(0xFF, 0x80, 0x00));
        QCOMPARE(sheet.pixel(1, 0), qRgb(0xFF, 0xFF, 0xFF));
        Inspect(4);
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::Picture, Out("picture.bmp")), QString());
        QCOMPARE(QImage(Out("picture.bmp"), "BMP").size(), QSize(48, 32));
    }

    // The save dialog opens in the folder saved into last, and a name typed
    // without an extension gets the one offered.
    void theSaveDialogRemembersItsFolder()
    {
        InspectorSettings().remove(QStringLiteral("Inspector/saveFolder"));
        const QString folder = QDir(Out("")).absolutePath();
        QString openedIn;
        AnswerFileDialog(QDir(folder).filePath(QStringLiteral("first")), &openedIn);
        QCOMPARE(AskSaveFile(nullptr, QStringLiteral("a.bmp"), QStringLiteral("BMP picture (*.bmp)")),
                 QDir(folder).filePath(QStringLiteral("first.bmp")));
        QVERIFY(openedIn != folder);
        AnswerFileDialog({}, &openedIn);
        QCOMPARE(AskSaveFile(nullptr, QStringLiteral("b.png"), QStringLiteral("PNG picture (*.png)")),
                 QString());
        QCOMPARE(openedIn, folder);
    }

    // A click on the file shown keeps the chunk shown and the inspector; once
    // the file changed on disk, the click reads it again.
    void aClickOnTheFileShownReloadsItOnlyOnceChanged()
    {
        Inspect(1);
        auto* files = Find<FileListBox>(&window_->Form(), names::kFileList);
        QVERIFY(files->ChooseFile(QStringLiteral("e.IFF")));
        QCOMPARE(Inspector()->ChunkIndex(), ListedChunk(1));
        QCOMPARE(Chunks()->currentRow(), 1);
        Bytes longer = InspectedFile();
        const Bytes extra = fixtures::IffBuilder().Chunk("DATA", "More", Bytes(8, 1), {}).Build();
        longer.insert(longer.end(), extra.begin() + 64, extra.end());
        std::ofstream(window_->Game().Characters().toStdString() + "/e.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(longer.data()), static_cast<std::streamsize>(longer.size()));
        QVERIFY(files->ChooseFile(QStringLiteral("e.IFF")));
        QCOMPARE(Chunks()->count(), 9);
        QCOMPARE(Inspector()->ChunkIndex(), 0);
    }

    void refusesToWriteWhereItCannotAndLosesNothing()
    {
        Inspect(4);
        QVERIFY(Inspector()->SaveTo(InspectorWindow::Save::Picture, Out("missing/folder.png")) != QString());
        QVERIFY(Inspector()->SaveTo(InspectorWindow::Save::Picture, Out("")) != QString());  // a folder
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::Picture, Out("kept.png")), QString());
        const QByteArray kept = Contents(Out("kept.png"));
        QFile::setPermissions(Out("kept.png"), QFile::ReadOwner | QFile::ReadOther);
        {
            fixtures::OrdinaryUserFileAccess user;
            QVERIFY(Inspector()->SaveTo(InspectorWindow::Save::WholeChunk, Out("kept.png")) != QString());
        }
        QCOMPARE(Contents(Out("kept.png")), kept);
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(inspector_test, tarnwick::InspectorTest);
#include "inspector_test.moc"
