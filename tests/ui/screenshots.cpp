// Saves a picture of each window, filled from a synthesised game folder, into
// the folder given as the one argument.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "form1.h"
#include "game_files.h"
#include "memory_registry.h"
#include "window_test.h"

namespace {

using tarnwick::fixtures::Find;

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

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    tarnwick::fixtures::GameFolder game;
    tarnwick::fixtures::MemoryRegistry registry;
    qputenv("WINEPREFIX", game.Prefix().toUtf8());
    registry.SetText("Software\\Maxis\\The Sims", "SIMS_DATA", tarnwick::fixtures::GameFolder::WindowsRoot());
    tarnwick::Module1 module;
    tarnwick::Form1 form1(module, registry);
    form1.show();

    auto* files = Find<QListWidget>(&form1, "File1");
    files->setCurrentItem(files->findItems("a.IFF", Qt::MatchExactly).first());
    auto* chunks = Find<QListWidget>(&form1, "List1");
    chunks->setCurrentRow(1);
    Save(form1, out, "form1");
    Save(*form1.Display().Window(), out, "form2-dump");
    chunks->setCurrentRow(0);
    Save(*form1.Display().Window(), out, "form2-strings");
    chunks->setCurrentRow(3);
    Save(*form1.Display().Window(), out, "form2-sprite");
    chunks->setCurrentRow(4);
    Save(*form1.Display().Window(), out, "form2-bitmap");

    tarnwick::fixtures::WhenModalOpens([&](QDialog& form3) {
        Choose(form3, "Combo1", 0);
        Choose(form3, "Combo2", 0);
        Save(form3, out, "form3");
        tarnwick::fixtures::WhenModalOpens([&](QDialog& form4) { Save(form4, out, "form4"); });
        Find<QPushButton>(&form3, "Command2")->click();
    });
    chunks->setCurrentRow(2);
    return 0;
}
