#include "shell/shortcut.h"

#include "core/text.h"

namespace corvane {
namespace {

// Upper case for the letters a to z only.
std::string UpperAsciiLetters(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// From the last dot of the file's name, dot included; empty without one.
std::string Extension(const std::string& path) {
    const std::string name = FileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

} // namespace

std::string ShortcutFileName(const std::string& chosen) {
    std::string name = chosen;
    if (UpperAsciiLetters(Extension(name)) != ".LNK")
        name += ".lnk";
    if (UpperAsciiLetters(FileNamePart(name)) == ".LNK")
        name.clear();
    return name;
}

std::optional<LinkValues> ReadShortcut(LinkLoader& loader, FileSystemApi& files,
                                       const std::string& chosen) {
    const std::string name = ShortcutFileName(chosen);
    LinkValues values;
    if (!files.IsFile(name) || loader.Load(name, values) != LoadOutcome::Loaded)
        return std::nullopt;
    return values;
}

} // namespace corvane
