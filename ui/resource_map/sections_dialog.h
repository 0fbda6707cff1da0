#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/container/open_file.h"
#include "model/decoders/resource_map.h"

class QComboBox;
class QLabel;

namespace tarnwick {

// The sections window: pick a type, then an identifier, and see that entry's
// name and file position; "&Edit" shows the file's bytes there.
class SectionsDialog : public QDialog {
public:
    // Lists the map's types, in map order, with no identifier or entry chosen;
    // "&Edit" shows the open file's bytes at the chosen entry's position.
    SectionsDialog(const OpenFile& openFile, const ResourceMap& map);

private:
    void TypeChosen(int index);
    void IdChosen(int index);
    void EditClicked();

    const OpenFile& openFile_;
    // The texts behind the two lists, as the file holds them.
    std::vector<std::string> types_;
    std::vector<std::string> ids_;
    SectionIndex index_;  // of the map the types came from
    QComboBox* typeList_;
    QComboBox* idList_;
    QLabel* description_;
    QLabel* position_;
};

}  // namespace tarnwick
