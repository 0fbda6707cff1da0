#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "model/container/chunk_lookup.h"
#include "synth/draw_group_builder.h"
#include "synth/multi_tile_object.h"
#include "synth/object_builder.h"
#include "synth/showcase_object.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/chunk_links.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/views/draw_group_picture.h"
#include "ui/inspector/views/object_definition_view.h"

namespace tarnwick {

using fixtures::Bytes;
using fixtures::ChunkId;
using fixtures::Find;

namespace {

constexpr int kObjectRow = 0;
constexpr int kCatalogueRow = 1;
constexpr int kBehaviourRow = 2;

// "o.IFF": a towel rack whose definition names its catalogue strings, its main
// behaviour and a tree table the file lacks.
Bytes ViewedObjectFile()
{
    return fixtures::IffBuilder()
        .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
        .Chunk("OBJD", "Towel rack",
               fixtures::ObjectDefinitionBody(
                   138, 106, {{3, 4096}, {5, 4097}, {12, 0xBEEF}, {13, 0xDEAD}, {16, 120}, {39, 128}}),
               ChunkId(128))
        .Chunk("CTSS", "Catalogue",
               fixtures::TextTableBody(TextTableLayout::Languages, {{1, "Towel Rack", ""},
                                                                    {1, "Keeps towels dry.", ""},
                                                                    {6, "Toallero", ""},
                                                                    {6, "Mantiene secas las toallas.", ""}}),
               ChunkId(128))
        .Chunk("BHAV", "main", Bytes(24, 0), ChunkId(4096))
        .Build();
}

// The row of the definition's field called `name`.
int FieldRow(const QTableWidget& fields, const QString& name)
{
    for (int row = 0; row < fields.rowCount(); ++row)
        if (fields.item(row, 2)->text() == name)
            return row;
    return -1;
}

}  // namespace

class ObjectViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;
    fixtures::TempDir out_;

    QListWidget* Chunks() const { return window_->List(names::kChunkList); }
    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    QTableWidget* Fields() const { return Find<QTableWidget>(Inspector(), "Fields"); }
    void Inspect(int row)
    {
        Chunks()->setCurrentRow(row);
        QTest::keyClick(Chunks(), Qt::Key_Return);
        QVERIFY(Inspector() && Inspector()->isVisible());
        QCOMPARE(Inspector()->ChunkIndex(), row + 1);
    }
    // Follows the link in the value of field `name`, as a double-click does.
    void Follow(const QString& name)
    {
        const int row = FieldRow(*Fields(), name);
        QVERIFY(row >= 0);
        emit Fields()->itemActivated(Fields()->item(row, 3));
    }
    void ExpectShown(int row)
    {
        QTRY_COMPARE(Inspector()->ChunkIndex(), ListedChunk(row));
        QCOMPARE(Chunks()->currentRow(), row);
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        std::ofstream(window_->Game().Characters().toStdString() + "/o.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(ViewedObjectFile().data()),
                   static_cast<std::streamsize>(ViewedObjectFile().size()));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("o.IFF")));
        Inspect(kObjectRow);
    }
    void cleanup() { window_.reset(); }

    void showsTheObjectAsABuyerSeesIt()
    {
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueName")->text(), QStringLiteral("Towel Rack"));
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueDescription")->text(),
                 QStringLiteral("Keeps towels dry."));
        QVERIFY(Find<QLabel>(Inspector(), "PriceAndGuid")->text().contains(QStringLiteral("120")));
        QVERIFY(Find<QLabel>(Inspector(), "PriceAndGuid")->text().contains(QStringLiteral("0xDEADBEEF")));
        // A language picked in the catalogue's own string table carries over.
        Inspect(kCatalogueRow);
        auto* filter = Find<QComboBox>(Inspector(), "Languages");
        filter->setCurrentIndex(filter->findText(QStringLiteral("Spanish")));
        Inspect(kObjectRow);
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueName")->text(), QStringLiteral("Toallero"));
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueDescription")->text(),
                 QStringLiteral("Mantiene secas las toallas."));
        auto* language = Find<QComboBox>(Inspector(), "Language");
        QCOMPARE(language->currentText(), QStringLiteral("Spanish"));
        language->setCurrentIndex(language->findText(QStringLiteral("English (US)")));
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueName")->text(), QStringLiteral("Towel Rack"));
    }

    void followsALinkAndComesBack()
    {
        Follow(QStringLiteral("Main behaviour"));
        ExpectShown(kBehaviourRow);
        QVERIFY(Inspector()->windowTitle().endsWith(QStringLiteral("BHAV 4096 (0x1000) main")));
        QTest::keyClick(Inspector(), Qt::Key_Left, Qt::AltModifier);
        ExpectShown(kObjectRow);
        QTest::keyClick(Inspector(), Qt::Key_Right, Qt::AltModifier);
        ExpectShown(kBehaviourRow);
        QTest::mouseClick(Inspector(), Qt::BackButton);
        ExpectShown(kObjectRow);
        QVERIFY(!Inspector()->GoBack());
        QVERIFY(Inspector()->GoForward());
        ExpectShown(kBehaviourRow);
    }

    // One click on a link cell follows it, as on a link anywhere; one on a
    // plain cell of the same row only selects.
    void aClickOnALinkCellFollowsIt()
    {
        const int row = FieldRow(*Fields(), QStringLiteral("Main behaviour"));
        QVERIFY(row >= 0);
        const auto click = [this, row](int column) {
            QTableWidgetItem* cell = Fields()->item(row, column);
            Fields()->scrollToItem(cell);
            QTest::mouseClick(Fields()->viewport(), Qt::LeftButton, {},
                              Fields()->visualItemRect(cell).center());
        };
        click(2);
        QTest::qWait(50);
        QCOMPARE(Inspector()->ChunkIndex(), ListedChunk(kObjectRow));
        click(3);
        ExpectShown(kBehaviourRow);
    }

    void showsTheObjectsPictureAndFollowsItToTheDrawGroup()
    {
        fixtures::IffBuilder lamp;
        lamp.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        fixtures::AddShowcaseObjectFile(lamp);
        std::ofstream(window_->Game().Characters().toStdString() + "/lamp.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(lamp.Build().data()),
                   static_cast<std::streamsize>(lamp.Build().size()));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("lamp.IFF")));
        const std::size_t definition =
            FindChunk(window_->Module().Chunks, "OBJD", fixtures::kShowcaseDefinitionId);
        Inspect(static_cast<int>(definition) - 1);
        QCOMPARE(Find<QLabel>(Inspector(), "CatalogueName")->text(), QStringLiteral("Lamp Table"));
        // The near zoom's first rotation, as the draw group view shows it.
        const QImage thumbnail = Inspector()->View()->CurrentPicture();
        QVERIFY(!thumbnail.isNull());
        QCOMPARE(thumbnail, DrawGroupThumbnail(window_->Module().Chunks, fixtures::kShowcaseDrawGroupId));
        QVERIFY(!Find<QLabel>(Inspector(), "Thumbnail")->pixmap().isNull());
        Follow(QStringLiteral("Base graphic"));
        const std::size_t group = FindChunk(window_->Module().Chunks, "DGRP", fixtures::kShowcaseDrawGroupId);
        ExpectShown(static_cast<int>(group) - 1);
        QCOMPARE(Inspector()->View()->Frames().size(), 12u);
    }

    void showsAMultiTileObjectWholeAndSavesIt()
    {
        fixtures::IffBuilder bench;
        bench.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        fixtures::AddMultiTileObjectFile(bench, fixtures::kTwoTileBench);
        std::ofstream(window_->Game().Characters().toStdString() + "/bench.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(bench.Build().data()),
                   static_cast<std::streamsize>(bench.Build().size()));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("bench.IFF")));
        const std::size_t master = FindChunk(window_->Module().Chunks, "OBJD", fixtures::kMultiTileMasterId);
        Inspect(static_cast<int>(master) - 1);
        // The master has no draw group of its own: its picture is its two tiles'.
        QCOMPARE(Inspector()->View()->Note(), QString());
        QCOMPARE(Inspector()->View()->CurrentPicture().size(), QSize(192, 136));
        const std::vector<QImage> views = Inspector()->View()->Frames();
        QCOMPARE(views.size(), 12u);
        for (const QImage& view : views)
            QVERIFY(!view.isNull());
        QCOMPARE(Inspector()->View()->CurrentPicture(), views[0]);
        auto* pages = Find<QTabWidget>(Inspector(), "Pages");
        QCOMPARE(pages->count(), 2);
        pages->setCurrentIndex(1);
        QTest::keyClick(Find<QWidget>(Inspector(), "WholeObject"), Qt::Key_Right);
        QCOMPARE(Inspector()->View()->CurrentPicture(), views[1]);
        const QString saved =
            QDir(QString::fromStdString(out_.Path().string())).filePath(QStringLiteral("bench.png"));
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::Picture, saved), QString());
        QCOMPARE(QImage(saved).convertToFormat(QImage::Format_ARGB32), views[1]);
        // A tile's definition is drawn alone, without the pages.
        Inspect(
            static_cast<int>(FindChunk(window_->Module().Chunks, "OBJD", fixtures::kFirstTileDefinitionId)) -
            1);
        QCOMPARE(Inspector()->View()->CurrentPicture().size(), QSize(128, 104));
        QVERIFY(!Inspector()->findChild<QTabWidget*>(QStringLiteral("Pages")));
    }

    void saysWhyTheFirstRotationDrawsNothing()
    {
        const DrawGroupSprite absent{512, 0, 0, 0, 0, 0, 0, 0};
        fixtures::IffBuilder lamp;
        lamp.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
        fixtures::AddShowcaseObject(lamp);
        lamp.Chunk(
                "DGRP", "Turned",
                fixtures::DrawGroupBody(
                    20004, {{0x01, 3, {}}, {0x04, 3, {absent}}, {0x10, 3, {{301, 0, -61, 29, 0, 0, 0, 0}}}}),
                ChunkId(101))
            .Chunk("OBJD", "Turned", fixtures::ObjectDefinitionBody(138, 106, {{1, 101}}), ChunkId(129));
        std::ofstream(window_->Game().Characters().toStdString() + "/turned.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(lamp.Build().data()),
                   static_cast<std::streamsize>(lamp.Build().size()));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("turned.IFF")));
        Inspect(static_cast<int>(FindChunk(window_->Module().Chunks, "OBJD", 129)) - 1);
        QVERIFY(!Inspector()->View()->CurrentPicture().isNull());
        QCOMPARE(Inspector()->View()->Note(),
                 QStringLiteral("Rotation 0x01 draws nothing: its image places no sprite that shows.\n"
                                "Rotation 0x04 draws nothing: Entry 0: no SPR2 512 (0x0200).\n"
                                "The picture shows rotation 0x10."));
    }

    void aLinkToAnAbsentChunkSaysSoAndStays()
    {
        const int row = FieldRow(*Fields(), QStringLiteral("Tree table"));
        QCOMPARE(Fields()->item(row, 3)->text(), QStringLiteral("TTAB 4097 (0x1001) (not in this file)"));
        Follow(QStringLiteral("Tree table"));
        QTest::qWait(20);
        QCOMPARE(Inspector()->ChunkIndex(), kObjectRow + 1);
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(object_view_test, tarnwick::ObjectViewTest);
#include "object_view_test.moc"
