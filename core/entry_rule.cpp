#include "core/entry_rule.h"

#include "core/launch.h"
#include "core/text.h"
#include "core/utf16.h"

namespace corvane {

std::size_t LongestText(EntryText field) {
    switch (field) {
    case EntryText::Path:
    case EntryText::IconPath:
        return kShellPathMax;
    case EntryText::Parameters:
        return kTextValueMax;
    case EntryText::Description:
        break;
    }
    return kToolTipMax;
}

bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

TextFault FaultOf(EntryText field, std::string_view text) {
    const bool path = field == EntryText::Path || field == EntryText::IconPath;
    if (path ? !PathFitsShell(text) : Utf16Length(text) > LongestText(field))
        return TextFault::TooLong;
    if (path)
        // Every control character is one UTF-16 unit of its own.
        for (const char16_t unit : Utf8ToUtf16(text))
            if (IsControlCharacter(unit))
                return TextFault::ControlCharacter;
    return TextFault::None;
}

std::string AsDescription(std::string_view name) {
    return CutToUtf16(name, kToolTipMax);
}

} // namespace corvane
