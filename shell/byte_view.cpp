#include "shell/byte_view.h"

#include <algorithm>

namespace corvane {

std::optional<std::uint16_t> ByteView::U16(std::size_t offset) const {
    if (!Has(offset, 2))
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

std::optional<std::uint32_t> ByteView::U32(std::size_t offset) const {
    if (!Has(offset, 4))
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
    return value;
}

ByteView ByteView::Sub(std::size_t offset, std::size_t count) const {
    if (!Has(offset, count))
        return ByteView();
    return ByteView(bytes_.subspan(offset, count));
}

bool ByteView::Equals(std::size_t offset, std::span<const std::uint8_t> expected) const {
    return Has(offset, expected.size()) &&
           std::equal(expected.begin(), expected.end(), bytes_.begin() + offset);
}

std::string ByteView::AnsiZ(std::size_t offset) const {
    std::string text;
    for (std::size_t i = offset; i < bytes_.size() && bytes_[i] != 0; ++i)
        text += static_cast<char>(bytes_[i]);
    return text;
}

std::u16string ByteView::WideZ(std::size_t offset) const {
    std::u16string text;
    for (std::size_t i = offset; Has(i, 2); i += 2) {
        const auto unit = static_cast<char16_t>(bytes_[i] | (bytes_[i + 1] << 8));
        if (unit == 0)
            break;
        text += unit;
    }
    return text;
}

} // namespace corvane
