#pragma once

#include <QDialog>

#include "model/chunk_window/offset_view.h"

class QPlainTextEdit;

namespace tarnwick {

// The offset hex view: ten lines of a file's bytes in hex, the same lines as
// characters beside them, and the first 129 bytes as one run of values.
class OffsetHexDialog : public QDialog {
public:
    OffsetHexDialog();

    void SetTexts(const OffsetViewTexts& texts);

private:
    QPlainTextEdit* hexLines_;
    QPlainTextEdit* valueRun_;
    QPlainTextEdit* characterLines_;
};

}  // namespace tarnwick
