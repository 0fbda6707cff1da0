#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "bmp_builder.h"
#include "chunk_display.h"
#include "game_files.h"
#include "ordinary_user.h"
#include "picture_box.h"
#include "sprite_preview.h"
#include "window_test.h"

namespace tarnwick {

using fixtures::Bytes;
using fixtures::Find;

namespace {

// A 3 x 2 picture: red, green, blue over white, black, yellow.
constexpr std::uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFFFF00};

fixtures::Bitmap Picture(int bits, bool topDown)
{
    fixtures::Bitmap bitmap{3, 2, bits, topDown, {}, {}};
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
    const std::uint32_t pixel = bitmap.pixels[static_cast<std::size_t>(y * bitmap.width + x)];
    return bitmap.bitsPerPixel == 24 ? pixel : bitmap.palette[pixel];
}

}  // namespace

class PictureViewsTest : public QObject {
    Q_OBJECT

private:
    Module1 module_;
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
        fixtures::LoadBytes(module_, file.Build());
        display_->ShowChunk(1);
    }
    QImage Canvas() const { return display_->Window()->Picture().Canvas(); }
    bool PictureShown() const { return Find<QWidget>(display_->Window(), "Picture1")->isVisible(); }
    bool ListShown() const { return Find<QWidget>(display_->Window(), "List1")->isVisible(); }
    int ListLines() const { return Find<QTableView>(display_->Window(), "List1")->model()->rowCount(); }

    // No "temp.bmp" in the working folder and nothing in the temporary folder.
    bool NoTemporaryFileLeft() const
    {
        return std::filesystem::is_empty(temporary_.Path()) &&
               !std::filesystem::exists(working_.Path() / "temp.bmp");
    }

private slots:
    void init()
    {
        savedFolder_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(working_.Path().string()));
        qputenv("TMPDIR", QByteArray::fromStdString(temporary_.Path().string()));
        display_ = std::make_unique<ChunkDisplay>(module_);
    }

    void cleanup()
    {
        display_.reset();
        QVERIFY(NoTemporaryFileLeft());
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
        QVERIFY(!ListShown());
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x)
                QCOMPARE(Canvas().pixel(x, y) & 0xFFFFFF, ExpectedColour(bitmap, x, y));
    }

    void bytesThatAreNoPictureGetADump_data()
    {
        QTest::addColumn<Bytes>("contents");
        const Bytes whole = fixtures::BmpFile(Picture(24, false));
        QTest::newRow("a bitmap cut short") << Bytes(whole.begin(), whole.end() - 20);
        QTest::newRow("garbage") << Bytes(100, 0x5A);
        QTest::newRow("no contents") << Bytes();
    }

    void bytesThatAreNoPictureGetADump()
    {
        QFETCH(Bytes, contents);
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}, {"BMP_", contents}});
        display_->ShowChunk(2);
        QVERIFY(ListShown());
        QVERIFY(!PictureShown());
        QCOMPARE(ListLines(), static_cast<int>(std::max<std::size_t>(1, (contents.size() + 15) / 16)));
        QCOMPARE(Canvas().pixel(0, 0), Canvas().pixel(2, 1));  // nothing stale in the box
    }

    // Another file of that name, or a link under it, is left as it was; the
    // picture still shows, through a file of our own elsewhere.
    void leavesAnExistingTempFileAsItWas_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("a file named temp.bmp") << false;
        QTest::newRow("a link named temp.bmp") << true;
    }

    void leavesAnExistingTempFileAsItWas()
    {
        QFETCH(bool, link);
        const Bytes mine = fixtures::ToBytes("not ours");
        const std::string target = working_.Write(link ? "target" : "temp.bmp", mine);
        if (link)
            std::filesystem::create_symlink(target, working_.Path() / "temp.bmp");
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}});
        QVERIFY(PictureShown());
        std::ifstream kept(working_.Path() / "temp.bmp", std::ios::binary);
        QCOMPARE(Bytes(std::istreambuf_iterator<char>(kept), {}), mine);
        std::filesystem::remove(working_.Path() / "temp.bmp");
        std::filesystem::remove(working_.Path() / "target");
    }

    // With no temporary folder to fall back on, the working folder serves.
    void showsThePictureThroughTheWorkingFolder()
    {
        qputenv("TMPDIR", QByteArray::fromStdString((temporary_.Path() / "missing").string()));
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}});
        QVERIFY(PictureShown());
    }

    void showsThePictureFromAReadOnlyFolder()
    {
        namespace fs = std::filesystem;
        fs::permissions(working_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(temporary_.Path(), fs::perms::all);  // the ordinary user writes there
        {
            fixtures::OrdinaryUserFileAccess ordinaryUser;
            Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}});
        }
        fs::permissions(working_.Path(), fs::perms::owner_all);
        QVERIFY(PictureShown());
        QCOMPARE(Canvas().pixel(0, 0) & 0xFFFFFF, kColours[0]);
    }

    void previewsASpriteAboveItsDump()
    {
        Bytes sprite(131);
        for (std::size_t i = 0; i < sprite.size(); ++i)
            sprite[i] = static_cast<std::uint8_t>(i);
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}, {"SPR#", sprite}});
        display_->ShowChunk(2);
        QVERIFY(PictureShown());
        QVERIFY(ListShown());
        QCOMPARE(ListLines(), 9);
        QCOMPARE(Canvas().pixel(0, 2), SpritePalette[130 >> 4]);
        QCOMPARE(Canvas().pixel(64, 1), SpritePalette[129 >> 4]);
        QCOMPARE(Canvas().pixel(1, 2), Canvas().pixel(100, 50));  // past the last byte: background
    }

    void anEmptySpriteDrawsNothing()
    {
        Show({{"SPR#", {}}});
        QVERIFY(PictureShown());
        QCOMPARE(ListLines(), 1);
        QCOMPARE(Canvas().pixel(0, 0), Canvas().pixel(100, 50));
    }

    void theOtherViewsHideThePicture_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("pictureShown");
        QTest::newRow("a string table") << QByteArray("STR#") << false;
        QTest::newRow("a dump") << QByteArray("DATA") << false;
        QTest::newRow("a sprite") << QByteArray("SPR#") << true;
    }

    void theOtherViewsHideThePicture()
    {
        QFETCH(QByteArray, type);
        QFETCH(bool, pictureShown);
        Show({{"BMP_", fixtures::BmpFile(Picture(24, false))}, {type.constData(), fixtures::StringTableContents(0xFF, 0, {})}});
        display_->ShowChunk(2);
        QCOMPARE(PictureShown(), pictureShown);
        QVERIFY(ListShown());
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::PictureViewsTest)
#include "picture_views_test.moc"
