#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <sys/stat.h>

#include "synth/temp_dir.h"
#include "widgets/dir_list_box.h"
#include "widgets/drive_list_box.h"
#include "widgets/file_list_box.h"
#include "widgets/folder_names_model.h"
#include "widgets/list_box.h"
#include "widgets/path_text.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

QStringList Texts(const QAbstractItemView& list)
{
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        texts << list.model()->index(row, 0).data().toString();
    return texts;
}

// Through the window, so the application pairs the presses into a double
// click as it does for a real mouse; the first press and release make a click.
void DoubleClickLine(QAbstractItemView& list, int row)
{
    const QPoint at = list.viewport()->mapTo(&list, list.visualRect(list.model()->index(row, 0)).center());
    QTest::mouseDClick(list.windowHandle(), Qt::LeftButton, {}, at);
}

// Names unpacked from an old archive: bytes of the Western code page, not UTF-8.
const std::string kCafe = "caf\xE9.IFF";
const std::string kSummer = "\xC9t\xE9";

// Each test gets a fresh folder top/ holding: folders beta/, Alpha/, .hidden/,
// folder.IFF/ and "\xC9t\xE9"/; files A.IFF, b.iff, c.Iff, "caf\xE9.IFF",
// wall.wll, .hidden.iff; a pipe pipe.IFF; a link to b.iff, a dangling link and
// a link to a device.
class ListControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        folder_ = std::make_unique<fixtures::TempDir>();
        for (const std::string name : {"beta", "Alpha", ".hidden", "folder.IFF", kSummer.c_str()})
            fs::create_directories(folder_->Path() / "top" / name);
        for (const std::string name : {"A.IFF", "b.iff", "c.Iff", "wall.wll", ".hidden.iff", kCafe.c_str()})
            folder_->Write("top/" + name, fixtures::ToBytes("x"));
        QCOMPARE(::mkfifo((folder_->Path() / "top/pipe.IFF").c_str(), 0600), 0);
        fs::create_symlink("b.iff", folder_->Path() / "top/link.iff");
        fs::create_symlink("nowhere.iff", folder_->Path() / "top/broken.iff");
        fs::create_symlink("/dev/null", folder_->Path() / "top/device.iff");
    }
    void cleanup() { folder_.reset(); }

    // The model behind the folder and file lists, shown its own lines and a
    // folder's entries, then fewer, then nothing.
    void FolderNamesModelIsAWellBehavedModel()
    {
        FolderNamesModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto folder =
            std::make_shared<const FolderRead>(ReadFolder((folder_->Path() / "top").string()));
        QVERIFY(folder->Opened);
        model.Show({{QStringLiteral("/"), QStringLiteral("/"), 0}}, folder, {0, 1, 2});
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("/"));
        QVERIFY(!model.index(3, 0).data().toString().isEmpty());
        model.SetLook(QIcon(), QIcon(), 1);
        model.Show({}, folder, {2});
        QCOMPARE(model.rowCount(), 1);
        model.Show({}, nullptr, {});
        QCOMPARE(model.rowCount(), 0);
    }

    // The second line is selected before the double click: its first click
    // raises Click, the second raises nothing more.
    void ListBoxRaisesClickOncePerDoubleClick_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::newRow("on the selected line") << 1;
        QTest::newRow("on another line") << 2;
    }
    void ListBoxRaisesClickOncePerDoubleClick()
    {
        QFETCH(int, clicked);
        ListBox box;
        box.addItems({"one", "two", "three"});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setCurrentRow(1);
        QSignalSpy clicks(&box, &ListBox::clicked);
        DoubleClickLine(box, clicked);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(box.currentRow(), clicked);
    }

    // Arrow keys raise Click; clear() must not show a handler a line that is
    // about to go.
    void ListBoxKeysAndClearing()
    {
        ListBox box;
        box.addItems({"one", "two"});
        box.setCurrentRow(0);
        QStringList seen;
        connect(&box, &ListBox::clicked, this, [&] {
            for (const QListWidgetItem* item : box.selectedItems())
                seen << item->text();
        });
        QTest::keyClick(&box, Qt::Key_Down);
        box.clear();
        QCOMPARE(seen, QStringList{"two"});
    }

    // Any bytes survive the trip through a path's QString; a name for people
    // shows UTF-8 as itself and anything else in the Western code page.
    void PathTextKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("Western") << QByteArray("caf\xE9") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("a cut sequence") << QByteArray("a\xC3") << QString::fromUtf8("a\xC3\x83");
        QTest::newRow("an encoded surrogate")
            << QByteArray("\xED\xB2\x80") << QString::fromUtf8("\xC3\xAD\xC2\xB2\xE2\x82\xAC");
        QTest::newRow("an overlong slash") << QByteArray("\xC0\xAF") << QString::fromUtf8("\xC3\x80\xC2\xAF");
        // Its UTF-16 ends in U+DC80: only a lone one stands for a byte.
        QTest::newRow("beyond 16 bits")
            << QByteArray("\xF0\x90\x82\x80") << QString::fromUtf8("\xF0\x90\x82\x80");
    }
    void PathTextKeepsEveryByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(PathBytes("/top/" + PathFromBytes(bytes.toStdString())), "/top/" + bytes.toStdString());
        QCOMPARE(ShownName(bytes.toStdString()), shown);
    }

    // The list starts under the default pattern, so a new pattern must refresh
    // it. A name that is not UTF-8 shows in the Western code page and keeps its
    // bytes.
    void FileListShowsRegularFilesMatchingThePattern()
    {
        FileListBox box;
        box.SetPath(Top());
        box.SetPattern("*.IFF");
        QCOMPARE(Texts(box), (QStringList{"A.IFF", "b.iff", "c.Iff", "caf\u00E9.IFF", "link.iff"}));
        QCOMPARE(box.FileName(), QString());
        box.setCurrentIndex(box.model()->index(3, 0));
        QCOMPARE(box.FileName(), QString("caf\u00E9.IFF"));
        QCOMPARE(box.FilePathBytes(), (folder_->Path() / "top" / kCafe).string());
        box.SetPath(Top() + "/pipe.IFF");      // never opened, so nothing can block
        QCOMPARE(box.model()->rowCount(), 1);  // why it cannot be read, which cannot be selected
        box.setCurrentIndex(box.model()->index(0, 0));
        QCOMPARE(box.FilePathBytes(), std::string());
    }

    // A name cut by the list's width shows whole in a tooltip; one that fits has none.
    void FileListShowsCutNamesInATooltip()
    {
        const std::string longName = std::string(60, 'n') + ".IFF";
        folder_->Write("top/" + longName, fixtures::ToBytes("x"));
        FileListBox box;
        box.resize(120, 200);
        box.SetPath(Top());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (const QString& name : {QString("A.IFF"), QString::fromStdString(longName)}) {
            const QModelIndexList found =
                box.model()->match(box.model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            const QPoint at = box.visualRect(found.first()).center();
            QHelpEvent help(QEvent::ToolTip, at, box.viewport()->mapToGlobal(at));
            QApplication::sendEvent(box.viewport(), &help);
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                     name == "A.IFF" ? QString() : name);
        }
    }

    // The folders from the root down to the current one, then its visible
    // subfolders; Enter or a double click opens a line.
    void DirListShowsAndOpensFolders()
    {
        DirListBox box;
        box.SetPath(Top());
        const QStringList texts = Texts(box);
        QCOMPARE(texts.first(), QString("/"));
        QCOMPARE(texts.mid(texts.size() - 5),
                 (QStringList{"top", "Alpha", "beta", "folder.IFF", "\u00C9t\u00E9"}));
        const int topRow = static_cast<int>(texts.size() - 5);
        QCOMPARE(box.currentIndex().row(), topRow);
        QVERIFY(box.selectionModel()->isSelected(box.currentIndex()));

        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy changed(&box, &DirListBox::changed);
        box.setCurrentIndex(box.model()->index(topRow + 1, 0));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.Path(), Top() + "/Alpha");
        DoubleClickLine(box, box.currentIndex().row() - 1);  // the folder above
        QCOMPARE(box.Path(), Top());
        DoubleClickLine(box, topRow + 4);
        QCOMPARE(PathBytes(box.Path()), (folder_->Path() / "top" / kSummer).string());
        QCOMPARE(Texts(box).last(), QString("\u00C9t\u00E9"));
        QCOMPARE(changed.count(), 3);
    }

    // A refusal leaves the lines as they were.
    void DirListSetPathRaisesChangeOnlyForANewFolder_data()
    {
        QTest::addColumn<QString>("path");  // all relative to top/
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("changes");
        QTest::newRow("a subfolder written untidily") << "./Alpha//"
                                                      << "Alpha" << 1;
        QTest::newRow("the same folder written differently") << "beta/.."
                                                             << "" << 0;
        QTest::newRow("a pipe, which is never opened") << "pipe.IFF"
                                                       << "" << 0;
    }
    void DirListSetPathRaisesChangeOnlyForANewFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QFETCH(int, changes);
        DirListBox box;
        box.SetPath(Top());
        const QStringList before = Texts(box);
        QSignalSpy changed(&box, &DirListBox::changed);
        box.SetPath(Top() + "/" + path);
        QCOMPARE(changed.count(), changes);
        QCOMPARE(box.Path(), QDir::cleanPath(Top() + "/" + expected));
        if (changes == 0)
            QCOMPARE(Texts(box), before);
    }

    // On every drive change the drive list hands over its root; a user in a
    // folder on that drive must stay there.
    void DirListKeepsItsFolderWhenGivenItsDrivesRoot()
    {
        DriveListBox drives;
        drives.SetDrive(Top());
        DirListBox box;
        box.SetPath(Top() + "/Alpha");
        QSignalSpy changed(&box, &DirListBox::changed);
        box.SetPath(drives.Drive());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(box.Path(), Top() + "/Alpha");
    }

    // A volume is added by hand, so the test does not depend on this
    // machine's drives.
    void DriveListRaisesChangeOnlyWhenTheDriveChanges()
    {
        DriveListBox box;
        box.addItem("usb", "/media/usb");
        box.SetDrive("/");
        QSignalSpy changed(&box, &DriveListBox::changed);
        box.SetDrive("/media/usb/games");
        box.SetDrive("relative/path");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(box.Drive(), QString("/media/usb"));
        box.SetDrive("/media/usbstick");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(box.Drive(), QString("/"));
        QTest::keyClick(&box, Qt::Key_Down);  // the user picks the volume
        QCOMPARE(changed.count(), 3);
    }

private:
    QString Top() const
    {
        return QDir::cleanPath(QString::fromStdString((folder_->Path() / "top").string()));
    }

    std::unique_ptr<fixtures::TempDir> folder_;
};

}  // namespace
}  // namespace tarnwick

QTEST_MAIN(tarnwick::ListControlsTest)
#include "list_controls_test.moc"
