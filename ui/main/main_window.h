#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <optional>
#include <string>

#include "ui/chunk/chunk_display.h"
#include "model/chunk_loader.h"
#include "model/open_file.h"
#include "system/registry.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace tarnwick {

class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;

// The main window: pick a file on the left, see its header and chunk list on
// the right, and open a chunk from the list.
class Form1 : public QMainWindow, private LoadOutput {
public:
    Form1(Module1& module, Registry& registry);

    [[nodiscard]] ChunkDisplay& Display() { return display_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Option1_Click(bool on);
    void Option2_Click(bool on);
    void Option3_Click(bool on);
    void List1_Click();
    void Menu_About_Click();
    void menu_exit_Click();

    // LoadOutput
    void ClearChunkList() override;
    void SetDetailsCaption(std::string_view caption) override;
    void SetHeaderTexts(const FileHeaderTexts& texts) override;
    void AddChunkLine(std::string_view line) override;
    bool LetPendingEventsRun() override;

    Module1& module_;
    Registry& registry_;
    ChunkDisplay display_;
    QElapsedTimer sinceEventsRan_;
    bool closing_ = false;
    // The file clicked last, while a load is under way, to load once it stops.
    struct PendingLoad {
        std::string path;
        std::string name;
    };
    std::optional<PendingLoad> nextLoad_;
    bool loading_ = false;

    FileListBox* File1_;
    QRadioButton* Option1_;
    QRadioButton* Option2_;
    QRadioButton* Option3_;
    DirListBox* Dir1_;
    DriveListBox* Drive1_;
    QGroupBox* Frame2_;
    QLabel* Label2_;
    QLabel* Label3_;
    QLabel* Label5_;
    ListBox* List1_;
};

}  // namespace tarnwick
