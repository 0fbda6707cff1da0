#pragma once

// Text as the Win32 wide functions take and give it (Windows only).
#include <string>
#include <string_view>

namespace tarnwick {

// `text` in the given Windows code page (CP_UTF8, CP_ACP, ...) as UTF-16.
[[nodiscard]] std::wstring WideText(std::string_view text, unsigned codePage);

// A NUL-terminated UTF-16 text as UTF-8.
[[nodiscard]] std::string Utf8Text(const wchar_t* wide);

// The system's words for a Win32 error code, without the closing full stop.
[[nodiscard]] std::string WindowsErrorText(unsigned long error);

}  // namespace tarnwick
