#pragma once
// A read-only window on bytes that never reads outside itself. Every offset
// and count comes from hostile data, so each read says whether it fitted.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }

    // Whether count bytes from offset lie inside the view (no overflow).
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    // Little-endian integers.
    std::optional<std::uint16_t> U16(std::size_t offset) const;
    std::optional<std::uint32_t> U32(std::size_t offset) const;

    // The bytes [offset, offset + count); empty when they do not fit.
    ByteView Sub(std::size_t offset, std::size_t count) const;

    bool Equals(std::size_t offset, std::span<const std::uint8_t> expected) const;

    // 8-bit text from offset up to its zero, or up to the end of the view
    // when there is none.
    std::string AnsiZ(std::size_t offset) const;
    // UTF-16LE text from offset up to its zero unit, or up to the last whole
    // unit of the view.
    std::u16string WideZ(std::size_t offset) const;

    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace corvane
