#pragma once

#include <string_view>

namespace tarnwick {

// The code pages string tables are written in.
enum class CodePage { Windows1252, Windows1250, ShiftJis, Gbk, Big5, Windows874, Windows949, Utf8 };

inline constexpr int kFirstLanguage = 1;
inline constexpr int kLastLanguage = 20;

// "English (US)" for 1 ... "Korean" for 20; "Unknown language" for anything else.
[[nodiscard]] std::string_view LanguageName(int language);

// The code page the game's tables use for a language's 8-bit text. Hebrew and
// Russian slots hold Western text in the files seen, so they read as
// Windows-1252, as does an unknown language.
[[nodiscard]] CodePage LanguageCodePage(int language);

// The code page's IANA name, as text decoders know it: "Shift_JIS", "GBK" ...
[[nodiscard]] std::string_view CodePageName(CodePage codePage);

}  // namespace tarnwick
