#pragma once

#include <QSettings>

namespace tarnwick {

// Where the inspector keeps what it remembers between runs: its geometry and
// the folder saved into last.
[[nodiscard]] inline QSettings InspectorSettings()
{
    return QSettings(QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"));
}

}  // namespace tarnwick
