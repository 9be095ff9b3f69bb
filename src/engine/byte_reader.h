#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <tuple>
#include <type_traits>
#include <vector>

namespace tessaro {

// Reads the integers of a file format from its bytes, in order, and checks
// its own bounds: a read that would pass the end gives nothing and leaves the
// position where it was, so no size stated in a file can make it read
// outside the bytes. Integers are little-endian unless the read says otherwise.
class ByteReader {
public:
    // Starts at `at`, which may lie beyond the end (then every read but an
    // empty one gives nothing).
    explicit ByteReader(std::span<const uint8_t> bytes, size_t at = 0) : bytes_(bytes), at_(at) {}

    size_t remaining() const { return at_ < bytes_.size() ? bytes_.size() - at_ : 0; }

    // The next `count` bytes.
    std::optional<std::span<const uint8_t>> take(size_t count) {
        if (at_ > bytes_.size() || count > bytes_.size() - at_)
            return std::nullopt;
        const std::span<const uint8_t> taken = bytes_.subspan(at_, count);
        at_ += count;
        return taken;
    }

    template <std::integral T>
    std::optional<T> read() {
        const auto bytes = take(sizeof(T));
        if (!bytes)
            return std::nullopt;
        return combine<T>(*bytes, [](size_t index) { return index; });
    }

    template <std::integral T>
    std::optional<T> readBigEndian() {
        const auto bytes = take(sizeof(T));
        if (!bytes)
            return std::nullopt;
        return combine<T>(*bytes, [](size_t index) { return sizeof(T) - 1 - index; });
    }

    // Several little-endian integers in a row, all of them or none.
    template <std::integral... T>
    std::optional<std::tuple<T...>> readAll() {
        if (remaining() < (sizeof(T) + ...))
            return std::nullopt;
        return std::tuple<T...>{*read<T>()...};
    }

private:
    // The bytes as one integer, byte `index` worth 256^significance(index).
    template <std::integral T, typename Significance>
    static T combine(std::span<const uint8_t> bytes, Significance significance) {
        using Unsigned = std::make_unsigned_t<T>;
        Unsigned value = 0;
        for (size_t index = 0; index < sizeof(T); ++index)
            value |= static_cast<Unsigned>(static_cast<Unsigned>(bytes[index])
                                           << (8 * significance(index)));
        return static_cast<T>(value);
    }

    std::span<const uint8_t> bytes_;
    size_t at_;
};

// Appends `value` as its little-endian bytes.
template <std::integral T>
void appendLittleEndian(std::vector<uint8_t>& bytes, T value) {
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (size_t index = 0; index < sizeof(T); ++index)
        bytes.push_back(static_cast<uint8_t>(bits >> (8 * index)));
}

}  // namespace tessaro
