#pragma once
// Our own reader of the Shell Link binary format (".lnk" files), for systems
// without the shell's shell-link object. It gives what that object's wide
// getters give after a load, in UTF-8, and nothing when the file cannot be
// read.
//
// Every byte of the file is treated as hostile: sizes, offsets and counts are
// checked against what is really there, nothing is read outside the bytes
// given, and every walk over the file moves forward and ends.
#include "shell/ansi_code_page.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

struct ShellLinkData {
    // From the string data. Like the shell's object, the description,
    // relative path, working folder and icon location keep at most 259
    // characters; the arguments are kept whole.
    std::string description;
    std::string relativePath;
    std::string workingDir;
    std::string arguments;
    // The icon file: the icon location, or the icon environment block's path
    // when the header says there is one.
    std::string iconFile;
    // The path the shortcut points to, local path first, at most 259
    // characters (see ParseShellLink).
    std::string target;
    // Straight from the header.
    std::int32_t showCommand = 0;
    std::uint16_t hotKey = 0;
    std::int32_t iconIndex = 0;
    bool operator==(const ShellLinkData&) const = default;
};

// The values of a shortcut file, or nothing when it is no shortcut or is cut
// short: a header that is not one, or an ID list, link information or string
// that runs past the end. Of the description, relative path and working
// folder at most 260 characters are read, whatever their counts say, and the
// next string follows them. Damaged extra data blocks only end the reading
// of the blocks.
//
// The target comes from the link information (the local base path and the
// common path suffix when the link has a local part, otherwise the network
// name and the suffix), else from an ID list that leads through My
// Computer to a drive and file-system items, else from the environment
// block's path as stored, without expanding variables. Unicode text is
// turned into UTF-8 exactly; 8-bit text is read in codePage. Text ends at its
// first zero character; lengths count UTF-16 units, and a cut never splits a
// character.
std::optional<ShellLinkData> ParseShellLink(std::span<const std::uint8_t> file,
                                            const AnsiCodePage& codePage);

} // namespace corvane
