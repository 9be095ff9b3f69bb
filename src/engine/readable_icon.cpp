#include "engine/readable_icon.h"

#include <algorithm>
#include <span>

namespace tessaro {

namespace {

constexpr size_t directoryHeaderBytes = 6;
constexpr size_t directoryEntryBytes = 16;
constexpr size_t entrySizeAt = 8;
constexpr size_t entryOffsetAt = 12;
constexpr uint32_t plainHeaderBytes = 40;
constexpr size_t headerSizeAt = 0;
constexpr size_t headerCompressionAt = 16;

uint32_t readU32(std::span<const uint8_t> bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void writeU32(std::span<uint8_t> bytes, size_t at, uint32_t value) {
    for (size_t index = 0; index < 4; ++index)
        bytes[at + index] = static_cast<uint8_t>(value >> (8 * index));
}

bool needsRewrite(const IconPageCheck& page) {
    return page.valid() && !page.png && page.paletteAt != plainHeaderBytes;
}

// The bytes of a page the check accepted, as the decoder reads them.
std::vector<uint8_t> readablePage(std::span<const uint8_t> page, const IconPageCheck& check) {
    if (!needsRewrite(check))
        return {page.begin(), page.end()};
    std::vector<uint8_t> rewritten(page.begin(), page.begin() + plainHeaderBytes);
    writeU32(rewritten, headerSizeAt, plainHeaderBytes);
    // The check lets bit fields through only in the layout uncompressed pages have.
    writeU32(rewritten, headerCompressionAt, 0);
    rewritten.insert(rewritten.end(), page.begin() + check.paletteAt, page.end());
    return rewritten;
}

}  // namespace

std::vector<uint8_t> decoderReadableIcon(std::vector<uint8_t> bytes, const IconCheck& check) {
    if (std::none_of(check.pages.begin(), check.pages.end(), needsRewrite))
        return bytes;
    const size_t directoryEnd = directoryHeaderBytes + check.pages.size() * directoryEntryBytes;
    std::vector<uint8_t> readable(bytes.begin(), bytes.begin() + directoryEnd);
    for (size_t index = 0; index < check.pages.size(); ++index) {
        const size_t entryAt = directoryHeaderBytes + index * directoryEntryBytes;
        std::vector<uint8_t> pageBytes;
        if (check.pages[index].valid()) {
            const std::span<const uint8_t> page = std::span<const uint8_t>(bytes).subspan(
                readU32(bytes, entryAt + entryOffsetAt), readU32(bytes, entryAt + entrySizeAt));
            pageBytes = readablePage(page, check.pages[index]);
        }
        writeU32(readable, entryAt + entrySizeAt, static_cast<uint32_t>(pageBytes.size()));
        writeU32(readable, entryAt + entryOffsetAt, static_cast<uint32_t>(readable.size()));
        readable.insert(readable.end(), pageBytes.begin(), pageBytes.end());
    }
    return readable;
}

}  // namespace tessaro
