#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarnwick {

// Paths as the lists hand them around: QStrings that keep any bytes. File names
// on Linux are bytes, and those unpacked from old archives are often not UTF-8
// ("caf\xE9.IFF"); Qt's own conversion would turn them into U+FFFD and lose
// the file. Here valid UTF-8 decodes as usual and every other byte becomes the
// lone code unit U+DC80 + byte, which PathBytes turns back into that byte.
[[nodiscard]] QString PathFromBytes(std::string_view bytes);
[[nodiscard]] std::string PathBytes(const QString& path);

// A name for people to read: itself when it is UTF-8, otherwise every byte a
// character of the Western code page the game's files were made under.
[[nodiscard]] QString ShownName(std::string_view bytes);
// The same for a name as PathFromBytes gives it.
[[nodiscard]] QString ShownName(const QString& name);

}  // namespace tarnwick
