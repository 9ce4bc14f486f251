#pragma once
// The wide functions' text: UTF-16 in wchar_t, which is 16 bits on Windows.
// The program's UTF-8 becomes it here, through core/utf16.h, and back.
#include "core/utf16.h"

#include <string>
#include <string_view>

namespace corvane::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds one UTF-16 unit");

inline std::wstring Wide(std::string_view text) {
    const std::u16string wide = Utf8ToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

inline std::string Narrow(std::wstring_view text) {
    return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

} // namespace corvane::win32
