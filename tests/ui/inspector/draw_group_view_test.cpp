#include <QDir>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "model/decoders/draw_group.h"
#include "synth/draw_group_builder.h"
#include "synth/showcase_object.h"
#include "synth/sprite_builder.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/inspector_window.h"
#include "ui/inspector/views/draw_group_picture.h"
#include "ui/inspector/views/draw_group_view.h"

namespace tarnwick {

namespace {

// "o.IFF": the showcase object (chunks 1-5: DGRP 100 is chunk 5), then a
// draw group with only two images, one naming an absent sprite (chunk 6), and
// one whose near image is far too wide to draw (chunk 7).
fixtures::Bytes DrawGroupObjectFile()
{
    fixtures::IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    fixtures::AddShowcaseObject(file);
    const DrawGroupSprite table{301, 0, -61, 29, 0, 0, 0, 0};
    const DrawGroupSprite absent{512, 0, 0, 0, 0, 0, 0, 0};
    file.Chunk("DGRP", "Partial",
               fixtures::DrawGroupBody(20004, {{0x04, 3, {absent, table}}, {0x40, 1, {table}}}),
               fixtures::ChunkId(101));
    const DrawGroupSprite far{301, 0, 5000, 29, 0, 0, 0, 0};
    file.Chunk("DGRP", "Too wide", fixtures::DrawGroupBody(20004, {{0x01, 3, {table, far}}}),
               fixtures::ChunkId(102));
    return file.Build();
}

}  // namespace

class DrawGroupViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;
    fixtures::TempDir out_;

    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    DrawGroupView* View() const { return Inspector()->findChild<DrawGroupView*>(QStringLiteral("View")); }
    void Inspect(int row)
    {
        QListWidget* chunks = window_->List(names::kChunkList);
        chunks->setCurrentRow(row);
        QTest::keyClick(chunks, Qt::Key_Return);
        QVERIFY(Inspector() && Inspector()->isVisible());
        QVERIFY(View());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        const fixtures::Bytes file = DrawGroupObjectFile();
        std::ofstream(window_->Game().Characters().toStdString() + "/o.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("o.IFF")));
        QCOMPARE(window_->List(names::kChunkList)->count(), 7);
    }
    void cleanup() { window_.reset(); }

    void arrowKeysAndClicksPickTheLargeImage()
    {
        Inspect(4);
        DrawGroupView* view = View();
        const std::vector<QImage> frames = view->Frames();
        QCOMPARE(frames.size(), std::size_t{12});
        for (const QImage& frame : frames)
            QVERIFY(!frame.isNull());
        // Each zoom halves the near picture; the mirrored rotations are as large as their originals.
        QCOMPARE(frames[4].width(), (frames[0].width() + 1) / 2);
        QCOMPARE(frames[8].height(), (frames[0].height() + 3) / 4);
        QCOMPARE(frames[1].size(), frames[0].size());
        QCOMPARE(frames[1], frames[0].mirrored(true, false));

        const struct {
            Qt::Key key;
            int rotation, zoomRow;
        } steps[] = {{Qt::Key_Right, 1, 0}, {Qt::Key_Left, 0, 0}, {Qt::Key_Left, 3, 0}, {Qt::Key_Down, 3, 1},
                     {Qt::Key_Down, 3, 2},  {Qt::Key_Down, 3, 2}, {Qt::Key_Up, 3, 1}};
        // The view has the keys as soon as it is shown.
        QCOMPARE(Inspector()->focusWidget(), view);
        for (const auto& step : steps) {
            QTest::keyClick(Inspector()->focusWidget(), step.key);
            QCOMPARE(view->Rotation(), step.rotation);
            QCOMPARE(view->ZoomRow(), step.zoomRow);
            QCOMPARE(view->CurrentPicture(),
                     frames[static_cast<std::size_t>(step.zoomRow * 4 + step.rotation)]);
        }
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("ZoomIn")), Qt::LeftButton);
        QCOMPARE(view->ZoomRow(), 0);
        // The far zoom's last rotation sits in the grid's bottom right corner.
        auto* grid = view->findChild<QWidget*>(QStringLiteral("Grid"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() - 10, grid->height() - 10));
        QCOMPARE(view->ZoomRow(), 2);
        QCOMPARE(view->Rotation(), 3);
        // Alt+Left is the window's Back, not a turn.
        QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(view->Rotation(), 3);
    }

    void savesTheTwelveImagesAndTheCurrentOne()
    {
        Inspect(4);
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::AllFrames,
                                     QString::fromStdString(out_.Path().string())),
                 QString());
        const QStringList saved =
            QDir(QString::fromStdString(out_.Path().string())).entryList({"*.png"}, QDir::Files, QDir::Name);
        QCOMPARE(saved.size(), 12);
        QCOMPARE(saved.last(), QStringLiteral("DGRP 100 Lamp and table-011.png"));
        const QImage last(QString::fromStdString((out_.Path() / saved.last().toStdString()).string()));
        QCOMPARE(last.convertToFormat(QImage::Format_ARGB32), View()->Frames()[11]);
        QCOMPARE(last.pixel(0, 0), qRgba(0, 0, 0, 0));  // a transparent background
        const QString current = QString::fromStdString((out_.Path() / "current.png").string());
        QCOMPARE(Inspector()->SaveTo(InspectorWindow::Save::Picture, current), QString());
        QCOMPARE(QImage(current).convertToFormat(QImage::Format_ARGB32), View()->Frames()[0]);
    }

    void showsWhatIsMissingAsEmptyCellsAndWarnings()
    {
        Inspect(5);
        const std::vector<QImage> frames = View()->Frames();
        QCOMPARE(frames.size(), std::size_t{12});
        for (std::size_t cell = 0; cell < frames.size(); ++cell)
            QCOMPARE(frames[cell].isNull(), cell != 1 && cell != 11);
        QVERIFY2(
            View()->Note().contains(QStringLiteral("Near, rotation 0x04: Entry 0: no SPR2 512 (0x0200).")),
            qPrintable(View()->Note()));
        QVERIFY(View()->CurrentPicture().isNull());
        Inspect(6);
        QVERIFY2(View()->Note().startsWith(QStringLiteral(
                     "Near, rotation 0x01: The image spans 5183 x 120 pixels, more than 4096")),
                 qPrintable(View()->Note()));
        QVERIFY(View()->Frames()[0].isNull());
    }

    void headersOfEmptyRotationsStayApart()
    {
        Inspect(5);  // rotations 0x01 and 0x10 have no image at all
        const QWidget* grid = View()->findChild<QWidget*>(QStringLiteral("Grid"));
        QVERIFY(grid);
        int headers = 0;
        for (const char* header : {"Rotation 0x01", "Rotation 0x04", "Rotation 0x10", "Rotation 0x40"})
            headers += grid->fontMetrics().horizontalAdvance(QLatin1String(header));
        // Each column at least as wide as its header, past the zoom names.
        QVERIFY2(grid->width() > headers + 60, qPrintable(QString::number(grid->width())));
    }

    void thumbnailIsTheNearFirstRotation()
    {
        Inspect(4);
        const ChunkTable& chunks = window_->Module().Chunks;
        QCOMPARE(DrawGroupThumbnail(chunks, 100), View()->Frames()[0]);
        // Without a 0x01 image, the first near one.
        QCOMPARE(DrawGroupThumbnail(chunks, 101).size(), QSize(122, 120));
        QString why;
        QVERIFY(DrawGroupThumbnail(chunks, 102, &why).isNull());
        QVERIFY2(why.startsWith(QStringLiteral("Rotation 0x01 draws nothing: The image spans")),
                 qPrintable(why));
        QVERIFY(DrawGroupThumbnail(chunks, 103, &why).isNull());
        QCOMPARE(why, QStringLiteral("The file has no DGRP 103 (0x0067)."));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(draw_group_view_test, tarnwick::DrawGroupViewTest);
#include "draw_group_view_test.moc"
