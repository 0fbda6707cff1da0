#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

#include "widgets/dir_list_box.h"
#include "widgets/drive_list_box.h"
#include "widgets/file_list_box.h"
#include "tests/support/temp_dir.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

// Through the window, so the application pairs the presses into a double
// click as it does for a real mouse; the first press and release make a click.
void DoubleClickLine(QListWidget& list, int row)
{
    const QPoint at = list.viewport()->mapTo(&list, list.visualItemRect(list.item(row)).center());
    QTest::mouseDClick(list.windowHandle(), Qt::LeftButton, {}, at);
}

// Each test gets a fresh folder top/ holding: folders beta/, Alpha/, .hidden/
// and folder.IFF/; files A.IFF, b.iff, c.Iff, wall.wll, .hidden.iff; a pipe
// pipe.IFF; a link to b.iff and a dangling link.
class ListControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        folder_ = std::make_unique<fixtures::TempDir>();
        for (const char* name : {"beta", "Alpha", ".hidden", "folder.IFF"})
            fs::create_directories(folder_->Path() / "top" / name);
        for (const char* name : {"A.IFF", "b.iff", "c.Iff", "wall.wll", ".hidden.iff"})
            folder_->Write(std::string("top/") + name, fixtures::ToBytes("x"));
        QCOMPARE(::mkfifo((folder_->Path() / "top/pipe.IFF").c_str(), 0600), 0);
        fs::create_symlink("b.iff", folder_->Path() / "top/link.iff");
        fs::create_symlink("nowhere.iff", folder_->Path() / "top/broken.iff");
    }
    void cleanup() { folder_.reset(); }

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
        QSignalSpy clicks(&box, &ListBox::Click);
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
        connect(&box, &ListBox::Click, this, [&] {
            for (const QListWidgetItem* item : box.selectedItems())
                seen << item->text();
        });
        QTest::keyClick(&box, Qt::Key_Down);
        box.clear();
        QCOMPARE(seen, QStringList{"two"});
    }

    // The list starts under the default pattern, so a new pattern must refresh it.
    void FileListShowsRegularFilesMatchingThePattern()
    {
        FileListBox box;
        box.SetPath(Top());
        box.SetPattern("*.IFF");
        QCOMPARE(Texts(box), (QStringList{"A.IFF", "b.iff", "c.Iff", "link.iff"}));
        QCOMPARE(box.FileName(), QString());
        box.setCurrentRow(0);
        QCOMPARE(box.FileName(), QString("A.IFF"));
        box.SetPath(Top() + "/pipe.IFF");  // never opened, so nothing can block
        QCOMPARE(Texts(box), QStringList{});
    }

    // The folders from the root down to the current one, then its visible
    // subfolders; Enter or a double click opens a line.
    void DirListShowsAndOpensFolders()
    {
        DirListBox box;
        box.SetPath(Top());
        const QStringList texts = Texts(box);
        QCOMPARE(texts.first(), QString("/"));
        QCOMPARE(texts.mid(texts.size() - 4), (QStringList{"top", "Alpha", "beta", "folder.IFF"}));
        QCOMPARE(box.currentRow(), box.count() - 4);
        QVERIFY(box.currentItem()->isSelected());

        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy changed(&box, &DirListBox::Change);
        box.setCurrentRow(box.currentRow() + 1);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.Path(), Top() + "/Alpha");
        DoubleClickLine(box, box.currentRow() - 1);  // the folder above
        QCOMPARE(box.Path(), Top());
        QCOMPARE(changed.count(), 2);
    }

    // A refusal leaves the lines as they were.
    void DirListSetPathRaisesChangeOnlyForANewFolder_data()
    {
        QTest::addColumn<QString>("path");  // all relative to top/
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("changes");
        QTest::newRow("a subfolder written untidily") << "./Alpha//" << "Alpha" << 1;
        QTest::newRow("the same folder written differently") << "beta/.." << "" << 0;
        QTest::newRow("a pipe, which is never opened") << "pipe.IFF" << "" << 0;
    }
    void DirListSetPathRaisesChangeOnlyForANewFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QFETCH(int, changes);
        DirListBox box;
        box.SetPath(Top());
        const QStringList before = Texts(box);
        QSignalSpy changed(&box, &DirListBox::Change);
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
        QSignalSpy changed(&box, &DirListBox::Change);
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
        QSignalSpy changed(&box, &DriveListBox::Change);
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
    QString Top() const { return QDir::cleanPath(QString::fromStdString((folder_->Path() / "top").string())); }

    std::unique_ptr<fixtures::TempDir> folder_;
};

}  // namespace
}  // namespace tarnwick

QTEST_MAIN(tarnwick::ListControlsTest)
#include "list_controls_test.moc"
