#pragma once

class QWidget;

namespace tarnwick {

// The main window's controls, in `client` at its default size, given the room
// the window gains when enlarged: a third of the width to the file select
// frame, the rest to the details; the height to the file, folder and chunk
// lists. Options, drive list and labels keep their place beside their lists.
void LetMainWindowGrow(QWidget& client);

}  // namespace tarnwick
