#pragma once

#include <QWidget>

#include "model/chunk_window/chunk_texts.h"

class QLabel;

namespace tarnwick {

class ChunkLinesModel;
class LineListView;
class PictureBox;

// The chunk display: a chunk's header fields, and its contents as a list of
// lines, a picture, or both. Destroyed when closed.
class ChunkWindow : public QWidget {
public:
    explicit ChunkWindow(QWidget* owner = nullptr);

    void SetHeader(const ChunkHeaderTexts& texts);
    // Shows the list; the picture box is hidden unless asked to stay as it is
    // (a sprite's preview stands above its dump).
    void ShowList(bool keepPicture = false);
    // Shows the picture box, alone or above the list.
    void ShowPicture(bool keepList = false);
    [[nodiscard]] ChunkLinesModel& Lines() { return *lines_; }
    [[nodiscard]] PictureBox& Picture() { return *picture_; }

private:
    void CloseClicked();

    QLabel* type_;
    QLabel* name_;
    QLabel* size_;
    QLabel* id_;
    QLabel* address_;
    PictureBox* picture_;
    LineListView* lineList_;
    ChunkLinesModel* lines_;
};

}  // namespace tarnwick
