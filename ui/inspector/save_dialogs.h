#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QWidget;

namespace tarnwick {

// The questions of the inspector's "Save as". Each returns the path chosen,
// or an empty text when the user cancels, and opens in the folder chosen last.

// A folder for the frames "<stem>-000.png" ...; asks before any of them is
// replaced, as the folder dialog cannot.
[[nodiscard]] QString AskFramesFolder(QWidget* parent, const QString& stem,
                                      const std::vector<QImage>& frames);

// A file, suggested as `suggested` and offered under `filter`; the dialog asks
// before replacing one.
[[nodiscard]] QString AskSaveFile(QWidget* parent, const QString& suggested, const QString& filter);

// Tells the user that `path` could not be saved, and why.
void ReportSaveFailure(QWidget* parent, const QString& path, const QString& why);

}  // namespace tarnwick
