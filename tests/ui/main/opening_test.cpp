// Opening a file or folder named on the command line or dropped on the main
// window: the lists move to it, the option of its kind lists it, and it loads
// as a click on it loads it; anything that cannot be opened changes nothing.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QRadioButton>
#include <QtTest>
#include <cstdio>
#include <filesystem>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "tests/support/ordinary_user.h"
#include "tests/ui/support/window_test_main.h"
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
    QString PathOf(const QString& name) const
    {
        return name.startsWith(u'/') ? name : QString::fromStdString(files_->Path().string()) + u'/' + name;
    }

    // Opens the files named as the command line ("start", one name) or a drop
    // ("drop", names or web addresses) does. Returns
    // what went to standard error, or whether the drop was taken.
    QString Open(const QString& how, const QStringList& names) const
    {
        if (how == QLatin1String("start")) {
            std::FILE* errors = std::tmpfile();
            OpenAtStart(*Main(), {PathOf(names.first()), names.value(1)}, errors);
            QByteArray written(4096, '\0');
            std::rewind(errors);
            written.resize(static_cast<qsizetype>(std::fread(written.data(), 1, 4096, errors)));
            std::fclose(errors);
            return QString::fromLocal8Bit(written);
        }
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : names)
            urls << (name.contains(u':') ? QUrl(name) : QUrl::fromLocalFile(PathOf(name)));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Main(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(Main(), &drop);
        return enter.isAccepted() && drop.isAccepted() ? QString() : QStringLiteral("refused\n");
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        files_ = std::make_unique<fixtures::TempDir>();
        const fixtures::Bytes file =
            fixtures::IffBuilder().Chunk("GLOB", "One", fixtures::ToBytes("abc")).Build();
        for (const char* name : {"a.IFF", "wall.WLL", "Floor.flr", "notes.dat", "unreadable.IFF"})
            files_->Write(name, file);
        std::filesystem::create_directories(files_->Path() / "Bücher" / "empty");
        files_->Write("Bücher/hé.iff", file);
        // Anyone may look into the folder, but nobody other than root may read this file.
        using std::filesystem::perms;
        std::filesystem::permissions(files_->Path(), perms::owner_all | perms::group_read |
                                                         perms::group_exec | perms::others_read |
                                                         perms::others_exec);
        std::filesystem::permissions(files_->Path() / "unreadable.IFF", perms::none);
    }

    void cleanup()
    {
        window_.reset();
        files_.reset();
    }

    void aFileLoadsUnderTheOptionOfItsKind_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("option");
        QTest::newRow("IFF") << "start"
                             << "a.IFF" << names::kIffOption;
        QTest::newRow("Walls") << "start"
                               << "wall.WLL" << names::kWallsOption;
        QTest::newRow("Floors, in another case") << "start"
                                                 << "Floor.flr" << names::kFloorsOption;
        QTest::newRow("no kind, listed with all files") << "start"
                                                        << "notes.dat" << names::kIffOption;
        QTest::newRow("a name beyond ASCII") << "start"
                                             << "Bücher/hé.iff" << names::kIffOption;
        QTest::newRow("dropped") << "drop"
                                 << "wall.WLL" << names::kWallsOption;
    }

    void aFileLoadsUnderTheOptionOfItsKind()
    {
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(QString, option);
        const QFileInfo file(PathOf(name));
        QCOMPARE(Open(how, {name}), QString());
        QCOMPARE(Folder(), file.path());
        QVERIFY(Find<QRadioButton>(Main(), qPrintable(option))->isChecked());
        QCOMPARE(Find<FileListBox>(Main(), names::kFileList)->FileName(), file.fileName());
        QCOMPARE(Details(), "File Details for " + file.fileName());
        QCOMPARE(fixtures::RowTexts(window_->List(names::kChunkList)), QStringList{"1: GLOB [One]"});
    }

    void aFolderOpensTheLists_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("named") << "start";
        QTest::newRow("dropped") << "drop";
    }

    void aFolderOpensTheLists()
    {
        QFETCH(QString, how);
        QCOMPARE(Open(how, {"Bücher"}), QString());
        QCOMPARE(Folder(), PathOf("Bücher"));
        QCOMPARE(fixtures::RowTexts(window_->View(names::kFileList)), QStringList{"hé.iff"});
        QCOMPARE(Details(), QStringLiteral("File Details"));
    }

    // The drive list's change keeps the folder list off its drive's root
    // while it shows a folder on that drive; a file named there still opens.
    void aFileAtTheRootOfTheDriveShownLoads()
    {
        const QString root = window_->Game().Prefix() + "/drive_c";
        QVERIFY(QFile::copy(PathOf("a.IFF"), root + "/top.IFF"));
        QCoreApplication::processEvents();  // as between any two things a user does
        QCOMPARE(Open("start", {root + "/top.IFF"}), QString());
        QCOMPARE(Folder(), root);
        QCOMPARE(Details(), QStringLiteral("File Details for top.IFF"));
    }

    void whatCannotBeOpenedChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("missing") << "start" << QStringList{"gone.IFF"};
        QTest::newRow("in a missing folder") << "start" << QStringList{"gone/a.IFF"};
        QTest::newRow("unreadable") << "start" << QStringList{"unreadable.IFF"};
        QTest::newRow("a device") << "start" << QStringList{"/dev/null"};
        QTest::newRow("two files dropped") << "drop" << QStringList{"a.IFF", "wall.WLL"};
        QTest::newRow("a missing file dropped") << "drop" << QStringList{"gone.IFF"};
        QTest::newRow("a web address dropped") << "drop" << QStringList{"https://example.com/a.IFF"};
    }

    void whatCannotBeOpenedChangesNothing()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, paths);
        const fixtures::OrdinaryUserFileAccess ordinaryUser;
        const QString said = Open(how, paths);
        QCOMPARE(said.count(u'\n'), 1);  // one line on standard error
        if (how == QLatin1String("start"))
            QVERIFY2(said.contains(PathOf(paths.first())), qPrintable(said));
        QCOMPARE(Folder(), window_->Game().Characters());
        QCOMPARE(Details(), QStringLiteral("File Details"));
        QVERIFY(Find<QRadioButton>(Main(), names::kIffOption)->isChecked());
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(opening_test, tarnwick::OpeningTest);
#include "opening_test.moc"
