// Saves a picture of each window, filled from a synthesised game folder, into
// the folder given as the one argument.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/support/game_window.h"
#include "ui/common/control_names.h"
#include "tests/ui/support/window_test.h"

namespace {

using tarnwick::fixtures::Find;
namespace names = tarnwick::names;

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
    tarnwick::fixtures::GameWindow window;
    tarnwick::MainWindow& form1 = window.Form();
    window.Pick(names::kFileList, "a.IFF");
    auto* chunks = window.List(names::kChunkList);
    chunks->setCurrentRow(1);
    Save(form1, out, "form1");
    Save(*form1.Display().Window(), out, "form2-dump");
    chunks->setCurrentRow(0);
    Save(*form1.Display().Window(), out, "form2-strings");
    chunks->setCurrentRow(3);
    Save(*form1.Display().Window(), out, "form2-sprite");
    chunks->setCurrentRow(4);
    Save(*form1.Display().Window(), out, "form2-bitmap");

    const auto modal = tarnwick::fixtures::WhenModalOpens([&](QDialog& form3) {
        Choose(form3, names::kSectionTypes, 0);
        Choose(form3, names::kSectionIds, 0);
        Save(form3, out, "form3");
        const auto editModal = tarnwick::fixtures::WhenModalOpens([&](QDialog& form4) { Save(form4, out, "form4"); });
        Find<QPushButton>(&form3, names::kSectionsEdit)->click();
    });
    chunks->setCurrentRow(2);
    return 0;
}
