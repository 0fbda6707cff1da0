#pragma once

#include <QWidget>

#include "chunk_texts.h"

class QLabel;
class QTableView;

namespace tarnwick {

class ChunkLinesModel;

// The chunk display: a chunk's header fields, and its contents as a list of
// lines, a picture, or both. Destroyed when closed.
class Form2 : public QWidget {
public:
    Form2();

    void SetHeader(const ChunkHeaderTexts& texts);
    // Shows the list; the picture box is hidden unless asked to stay as it is
    // (a sprite's preview stands above its dump).
    void ShowList(bool keepPicture = false);
    [[nodiscard]] ChunkLinesModel& Lines() { return *lines_; }

private:
    void Command1_Click();

    QLabel* Label8_;
    QLabel* Label2_;
    QLabel* Label4_;
    QLabel* Label6_;
    QLabel* Label10_;
    QLabel* Picture1_;
    QTableView* List1_;
    ChunkLinesModel* lines_;
};

}  // namespace tarnwick
