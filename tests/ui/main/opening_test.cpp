// Opening a file or folder named on the command line or dropped on the main
// window: the lists move to it, the option of its kind lists it, and it loads
// as a click on it loads it; anything that cannot be opened changes nothing.
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QRadioButton>
#include <QtTest>
#include <cstdio>
#include <filesystem>

#include "tests/support/ordinary_user.h"
#include "tests/ui/support/game_window.h"
#include "tests/ui/support/window_test.h"
#include "ui/common/control_names.h"
#include "ui/main/command_line.h"
#include "widgets/dir_list_box.h"
#include "widgets/file_list_box.h"

namespace tarnwick {

using fixtures::Find;

class OpeningTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;
    std::unique_ptr<fixtures::TempDir> files_;

    MainWindow* Main() const { return &window_->Form(); }
    QString Details() const { return Find<QGroupBox>(Main(), names::kDetailsFrame)->title(); }
    QString Folder() const { return Find<DirListBox>(Main(), names::kFolderList)->Path(); }
    QString Root() const { return QString::fromStdString(files_->Path().string()); }

    // Opens `path` as the command line does; returns what went to standard error.
    QString StartWith(const QString& path) const
    {
        std::FILE* errors = std::tmpfile();
        OpenAtStart(*Main(), path, errors);
        std::rewind(errors);
        QByteArray written(4096, '\0');
        written.resize(static_cast<qsizetype>(std::fread(written.data(), 1, 4096, errors)));
        std::fclose(errors);
        return QString::fromLocal8Bit(written);
    }

    bool Drop(QMimeData& data) const
    {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Main(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Main(), &drop);
        return drop.isAccepted();
    }

    // Nothing opened: the window as it started.
    void VerifyUntouched() const
    {
        QCOMPARE(Folder(), window_->Game().Characters());
        QCOMPARE(Details(), QStringLiteral("File Details"));
        QVERIFY(Find<QRadioButton>(Main(), names::kIffOption)->isChecked());
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        files_ = std::make_unique<fixtures::TempDir>();
        const fixtures::Bytes file = fixtures::IffBuilder().Chunk("GLOB", "One", fixtures::ToBytes("abc")).Build();
        for (const char* name : {"a.IFF", "wall.WLL", "Floor.flr", "Mixed.Wll", "notes.dat", "unreadable.IFF"})
            files_->Write(name, file);
        std::filesystem::create_directories(files_->Path() / "Bücher" / "empty");
        files_->Write("Bücher/hé.iff", file);
        // Anyone may look into the folder, but nobody other than root may read this file.
        using std::filesystem::perms;
        std::filesystem::permissions(files_->Path(), perms::owner_all | perms::group_read | perms::group_exec
                                                         | perms::others_read | perms::others_exec);
        std::filesystem::permissions(files_->Path() / "unreadable.IFF", perms::none);
    }

    void cleanup()
    {
        window_.reset();
        files_.reset();
    }

    void aFileNamedLoadsUnderTheOptionOfItsKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("alsoListed");
        QTest::newRow("IFF") << "a.IFF" << names::kIffOption << "";
        QTest::newRow("Walls") << "wall.WLL" << names::kWallsOption << "Mixed.Wll";
        QTest::newRow("Floors, in another case") << "Floor.flr" << names::kFloorsOption << "";
        QTest::newRow("Walls, mixed case") << "Mixed.Wll" << names::kWallsOption << "wall.WLL";
        QTest::newRow("no kind: every file listed") << "notes.dat" << names::kIffOption << "a.IFF";
        QTest::newRow("a name beyond ASCII") << "Bücher/hé.iff" << names::kIffOption << "";
    }

    void aFileNamedLoadsUnderTheOptionOfItsKind()
    {
        QFETCH(QString, name);
        QFETCH(QString, option);
        QFETCH(QString, alsoListed);
        const QFileInfo file(Root() + u'/' + name);
        QCOMPARE(StartWith(file.filePath()), QString());
        QCOMPARE(Folder(), file.path());
        QVERIFY(Find<QRadioButton>(Main(), qPrintable(option))->isChecked());
        QCOMPARE(Find<FileListBox>(Main(), names::kFileList)->FileName(), file.fileName());
        QCOMPARE(Details(), "File Details for " + file.fileName());
        QCOMPARE(fixtures::RowTexts(window_->List(names::kChunkList)), QStringList{"1: GLOB [One]"});
        if (!alsoListed.isEmpty())
            QVERIFY(fixtures::RowTexts(window_->List(names::kFileList)).contains(alsoListed));
    }

    void aFolderNamedIsShown()
    {
        QCOMPARE(StartWith(Root() + "/Bücher"), QString());
        QCOMPARE(Folder(), Root() + "/Bücher");
        QCOMPARE(fixtures::RowTexts(window_->List(names::kFileList)), QStringList{"hé.iff"});
        QCOMPARE(Details(), QStringLiteral("File Details"));
    }

    // The drive list's change keeps the folder list off its drive's root
    // while it shows a folder on that drive; a file named there still opens.
    void aFileAtTheRootOfTheDriveShownLoads()
    {
        const QString root = window_->Game().Prefix() + "/drive_c";
        QFile::copy(Root() + "/a.IFF", root + "/top.IFF");
        QCOMPARE(StartWith(root + "/top.IFF"), QString());
        QCOMPARE(Folder(), root);
        QCOMPARE(Details(), QStringLiteral("File Details for top.IFF"));
    }

    void aPathThatCannotBeOpenedIsOneLineOnStandardError_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "gone.IFF";
        QTest::newRow("in a missing folder") << "gone/a.IFF";
        QTest::newRow("unreadable") << "unreadable.IFF";
    }

    void aPathThatCannotBeOpenedIsOneLineOnStandardError()
    {
        QFETCH(QString, name);
        const QString path = Root() + u'/' + name;
        const fixtures::OrdinaryUserFileAccess ordinaryUser;
        const QString written = StartWith(path);
        QCOMPARE(written.count(u'\n'), 1);
        QVERIFY2(written.contains(path), qPrintable(written));
        VerifyUntouched();
    }

    void aDeviceIsRefused() { QVERIFY(!StartWith("/dev/null").isEmpty()); VerifyUntouched(); }

    // Each dropped name is a file's name in the test's folder, a web address,
    // or plain text.
    void aDropOpensOneFileOrFolder_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("folder");  // shown after, "" for the window's own
        QTest::addColumn<QString>("details");
        QTest::newRow("a file") << QStringList{"wall.WLL"} << "." << "File Details for wall.WLL";
        QTest::newRow("a folder") << QStringList{"Bücher"} << "Bücher" << "File Details";
        QTest::newRow("two files") << QStringList{"a.IFF", "wall.WLL"} << "" << "File Details";
        QTest::newRow("a missing file") << QStringList{"gone.IFF"} << "" << "File Details";
        QTest::newRow("a web address") << QStringList{"https://example.com/a.IFF"} << "" << "File Details";
        QTest::newRow("text") << QStringList{"text:a.IFF"} << "" << "File Details";
    }

    void aDropOpensOneFileOrFolder()
    {
        QFETCH(QStringList, dropped);
        QFETCH(QString, folder);
        QFETCH(QString, details);
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : dropped) {
            if (name.startsWith(QLatin1String("text:")))
                data.setText(name.mid(5));
            else
                urls << (name.contains(u':') ? QUrl(name) : QUrl::fromLocalFile(Root() + u'/' + name));
        }
        if (!urls.isEmpty())
            data.setUrls(urls);
        QCOMPARE(Drop(data), !folder.isEmpty());
        QCOMPARE(Folder(), folder.isEmpty() ? window_->Game().Characters() : QDir::cleanPath(Root() + u'/' + folder));
        QCOMPARE(Details(), details);
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::OpeningTest)
#include "opening_test.moc"
