#pragma once
// The pieces of the shortcut reader, each over its own bounded bytes.
#include "shell/ansi_code_page.h"
#include "shell/byte_view.h"

#include <cstdint>
#include <string>

namespace corvane::shllink {

inline constexpr std::uint32_t kHeaderSize = 0x4C;

// LinkFlags.
inline constexpr std::uint32_t kHasLinkTargetIdList = 0x00000001;
inline constexpr std::uint32_t kHasLinkInfo = 0x00000002;
inline constexpr std::uint32_t kHasName = 0x00000004;
inline constexpr std::uint32_t kHasRelativePath = 0x00000008;
inline constexpr std::uint32_t kHasWorkingDir = 0x00000010;
inline constexpr std::uint32_t kHasArguments = 0x00000020;
inline constexpr std::uint32_t kHasIconLocation = 0x00000040;
inline constexpr std::uint32_t kIsUnicode = 0x00000080;
inline constexpr std::uint32_t kForceNoLinkInfo = 0x00000100;
inline constexpr std::uint32_t kHasExpString = 0x00000200;
inline constexpr std::uint32_t kHasExpIcon = 0x00004000;

// Extra data block signatures.
inline constexpr std::uint32_t kEnvironmentBlock = 0xA0000001;
inline constexpr std::uint32_t kIconEnvironmentBlock = 0xA0000007;
inline constexpr std::uint32_t kEnvironmentBlockSize = 0x314;

// The target path held by a LinkInfo structure (info is exactly its
// LinkInfoSize bytes); empty when it holds none that can be read.
std::string LinkInfoTarget(ByteView info, const AnsiCodePage& codePage);

// The file-system path named by an ID list (list is its IDListSize bytes);
// empty when the list leads anywhere else or cannot be followed.
std::string IdListPath(ByteView list, const AnsiCodePage& codePage);

// The path of an environment or icon environment block (block is the whole
// block, at least 0x314 bytes): the Unicode one, or the ANSI one when that
// is empty.
std::string EnvironmentBlockPath(ByteView block, const AnsiCodePage& codePage);

} // namespace corvane::shllink
