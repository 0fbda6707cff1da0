#include <QAbstractItemView>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <optional>

#include "fixtures/game_files.h"
#include "fixtures/window_test.h"
#include "model/chunk_window/sprite_preview.h"
#include "synth/bmp_builder.h"
#include "tests/support/ordinary_user.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/chunk/chunk_display.h"
#include "ui/common/control_names.h"
#include "widgets/picture_box.h"

namespace tarnwick {

using fixtures::Bytes;
using fixtures::Find;

namespace {

// A 3 x 2 picture: red, green, blue over white, black, yellow.
constexpr std::uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFFFF00};

fixtures::Bitmap Picture(int bits, bool topDown)
{
    fixtures::Bitmap bitmap{3, 2, bits, topDown, {}, {}, {}};
    if (bits == 24) {
        bitmap.pixels.assign(std::begin(kColours), std::end(kColours));
    } else if (bits == 1) {  // two colours only: black and white alternating
        bitmap.palette = {0x000000, 0xFFFFFF};
        bitmap.pixels = {1, 0, 1, 0, 1, 0};
    } else {
        bitmap.palette.assign(std::begin(kColours), std::end(kColours));
        bitmap.pixels = {0, 1, 2, 3, 4, 5};
    }
    return bitmap;
}

std::uint32_t ExpectedColour(const fixtures::Bitmap& bitmap, int x, int y)
{
    const std::uint32_t pixel =
        bitmap.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                      static_cast<std::size_t>(x)];
    return bitmap.bitsPerPixel == 24 ? pixel : bitmap.palette[pixel];
}

}  // namespace

class PictureViewsTest : public QObject {
    Q_OBJECT

private:
    OpenFile openFile_;
    fixtures::TempDir working_;
    fixtures::TempDir temporary_;
    QString savedFolder_;
    std::unique_ptr<ChunkDisplay> display_;

    // Shows chunk 1 of a file made of these chunks.
    void Show(std::initializer_list<std::pair<const char*, Bytes>> chunks)
    {
        fixtures::IffBuilder file;
        for (const auto& [type, contents] : chunks)
            file.Chunk(type, "", contents);
        fixtures::LoadBytes(openFile_, file.Build());
        display_->ShowChunk(1);
    }
    QImage Canvas() const { return display_->Window()->Picture().Canvas(); }
    bool PictureShown() const { return Find<QWidget>(display_->Window(), names::kChunkPicture)->isVisible(); }
    int ListLines() const
    {
        return Find<QAbstractItemView>(display_->Window(), names::kChunkLines)->model()->rowCount();
    }

private slots:
    void init()
    {
        savedFolder_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(working_.Path().string()));
        qputenv("TMPDIR", QByteArray::fromStdString(temporary_.Path().string()));
        display_ = std::make_unique<ChunkDisplay>(openFile_);
    }

    void cleanup()
    {
        display_.reset();
        // No case leaves a temporary file behind.
        QVERIFY(std::filesystem::is_empty(temporary_.Path()));
        QVERIFY(!std::filesystem::exists(working_.Path() / "temp.bmp"));
        QDir::setCurrent(savedFolder_);
        qunsetenv("TMPDIR");
    }

    void showsABitmapsPixels_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("topDown");
        for (const int bits : {1, 4, 8, 24})
            for (const bool topDown : {false, true})
                QTest::addRow("%d bits, %s", bits, topDown ? "top-down" : "bottom-up") << bits << topDown;
    }

    void showsABitmapsPixels()
    {
        QFETCH(int, bits);
        QFETCH(bool, topDown);
        const fixtures::Bitmap bitmap = Picture(bits, topDown);
        Show({{"BMP_", fixtures::BmpFile(bitmap)}});
        QVERIFY(PictureShown());
        QVERIFY(!Find<QWidget>(display_->Window(), names::kChunkLines)->isVisible());
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x)
                QCOMPARE(Canvas().pixel(x, y) & 0xFFFFFF, ExpectedColour(bitmap, x, y));
    }

    // The temporary file never overwrites one that is there already, and a
    // folder that cannot take it is passed over for another.
    void showsThePictureWhateverTheFoldersHold_data()
    {
        QTest::addColumn<QString>("folders");
        QTest::newRow("a file named temp.bmp is left byte for byte") << "temp file";
        QTest::newRow("a link named temp.bmp is left byte for byte") << "temp link";
        QTest::newRow("the working folder serves when the temporary one is missing") << "no temporary folder";
        QTest::newRow("a read-only working folder still shows it") << "read-only";
    }

    void showsThePictureWhateverTheFoldersHold()
    {
        namespace fs = std::filesystem;
        QFETCH(QString, folders);
        const Bytes mine = fixtures::ToBytes("not ours");
        if (folders == "temp file")
            working_.Write("temp.bmp", mine);
        if (folders == "temp link")
            fs::create_symlink(working_.Write("target", mine), working_.Path() / "temp.bmp");
        if (folders == "no temporary folder")
            qputenv("TMPDIR", QByteArray::fromStdString((temporary_.Path() / "missing").string()));
        std::optional<fixtures::OrdinaryUserFileAccess> ordinaryUser;
        if (folders == "read-only") {
            fs::permissions(working_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
            fs::permissions(temporary_.Path(), fs::perms::all);  // the ordinary user writes there
            ordinaryUser.emplace();
        }
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}});
        ordinaryUser.reset();
        fs::permissions(working_.Path(), fs::perms::owner_all);
        QVERIFY(PictureShown());
        QCOMPARE(Canvas().pixel(0, 0) & 0xFFFFFF, kColours[0]);
        if (folders.startsWith("temp")) {
            std::ifstream kept(working_.Path() / "temp.bmp", std::ios::binary);
            QCOMPARE(Bytes(std::istreambuf_iterator<char>(kept), {}), mine);
            fs::remove(working_.Path() / "temp.bmp");
            fs::remove(working_.Path() / "target");
        }
    }

    // A compressed picture starts from colour 0: the pixels its data never
    // reaches show that, not whatever memory held.
    void aCompressedPictureShowsColourZeroWhereItsDataEnds_data()
    {
        QTest::addColumn<Bytes>("stream");
        QTest::newRow("with its end code") << Bytes{2, 1, 0, 1};
        QTest::newRow("without one") << Bytes{2, 1};
        QTest::newRow("after skipping a row") << Bytes{0, 0, 2, 1};
    }

    void aCompressedPictureShowsColourZeroWhereItsDataEnds()
    {
        QFETCH(Bytes, stream);
        constexpr std::uint32_t kZero = 0x102030, kOne = 0xFFFFFF;
        Show({{"BMP_", fixtures::BmpFile({4, 2, 8, false, {kZero, kOne}, {}, stream})}});
        QVERIFY(PictureShown());
        const int writtenRow = stream[0] == 0 ? 0 : 1;  // rows are stored from the bottom
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(Canvas().pixel(x, y) & 0xFFFFFF, y == writtenRow && x < 2 ? kOne : kZero);
    }

    void previewsASpriteAboveItsDump()
    {
        Bytes sprite(131);
        for (std::size_t i = 0; i < sprite.size(); ++i)
            sprite[i] = static_cast<std::uint8_t>(i);
        Show({{"SPR#", sprite}});
        QVERIFY(PictureShown());
        QCOMPARE(ListLines(), 9);
        QCOMPARE(Canvas().pixel(0, 2), SpritePalette[130 >> 4]);
        QCOMPARE(Canvas().pixel(64, 1), SpritePalette[129 >> 4]);
        QCOMPARE(Canvas().pixel(1, 2), Canvas().pixel(100, 50));  // past the last byte: background
    }

    // What follows a picture takes its place: a dump, with the box emptied,
    // for bytes that are no picture; the box above a dump for a sprite.
    void theNextChunkReplacesThePicture_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<Bytes>("contents");
        QTest::addColumn<bool>("pictureShown");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("boxEmptied");
        const Bytes whole = fixtures::BmpFile(Picture(24, false));
        QTest::newRow("a bitmap cut short gets a dump")
            << QByteArray("BMP_") << Bytes(whole.begin(), whole.end() - 20) << false << 4 << true;
        QTest::newRow("a bitmap of garbage gets a dump")
            << QByteArray("BMP_") << Bytes(100, 0x5A) << false << 7 << true;
        QTest::newRow("a bitmap of no contents gets a dump")
            << QByteArray("BMP_") << Bytes() << false << 1 << true;
        QTest::newRow("an empty sprite draws nothing above its dump")
            << QByteArray("SPR#") << Bytes() << true << 1 << true;
        QTest::newRow("a string table hides the picture")
            << QByteArray("STR#") << fixtures::StringTableContents(0xFF, 1, {0, 'A', 0}) << false << 1
            << false;
        QTest::newRow("a dump hides the picture") << QByteArray("DATA") << Bytes(17) << false << 2 << false;
    }

    void theNextChunkReplacesThePicture()
    {
        QFETCH(QByteArray, type);
        QFETCH(Bytes, contents);
        QFETCH(bool, pictureShown);
        QFETCH(int, lines);
        QFETCH(bool, boxEmptied);
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}, {type.constData(), contents}});
        display_->ShowChunk(2);
        QCOMPARE(PictureShown(), pictureShown);
        QVERIFY(Find<QWidget>(display_->Window(), names::kChunkLines)->isVisible());
        QCOMPARE(ListLines(), lines);
        if (boxEmptied)
            QCOMPARE(Canvas().pixel(0, 0), Canvas().pixel(2, 1));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(picture_views_test, tarnwick::PictureViewsTest);
#include "picture_views_test.moc"
