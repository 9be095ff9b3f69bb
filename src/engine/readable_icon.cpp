#include "engine/readable_icon.h"

#include <algorithm>
#include <span>

namespace tessaro {

namespace {

constexpr size_t kDirectoryHeaderBytes = 6;
constexpr size_t kDirectoryEntryBytes = 16;
constexpr size_t kEntrySizeAt = 8;
constexpr size_t kEntryOffsetAt = 12;
constexpr uint32_t kPlainHeaderBytes = 40;
constexpr size_t kHeaderSizeAt = 0;
constexpr size_t kHeaderCompressionAt = 16;

uint32_t readU32(std::span<const uint8_t> bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void writeU32(std::span<uint8_t> bytes, size_t at, uint32_t value) {
    for (size_t index = 0; index < 4; ++index)
        bytes[at + index] = static_cast<uint8_t>(value >> (8 * index));
}

bool needsRewrite(const IconPageCheck& page) {
    return page.valid() && !page.png && page.paletteAt != kPlainHeaderBytes;
}

// The bytes of a page the check accepted, as the decoder reads them.
std::vector<uint8_t> readablePage(std::span<const uint8_t> page, const IconPageCheck& check) {
    if (!needsRewrite(check))
        return {page.begin(), page.end()};
    std::vector<uint8_t> rewritten(page.begin(), page.begin() + kPlainHeaderBytes);
    writeU32(rewritten, kHeaderSizeAt, kPlainHeaderBytes);
    // The check lets bit fields through only in the layout uncompressed pages have.
    writeU32(rewritten, kHeaderCompressionAt, 0);
    rewritten.insert(rewritten.end(), page.begin() + check.paletteAt, page.end());
    return rewritten;
}

}  // namespace

std::vector<uint8_t> decoderReadableIcon(std::vector<uint8_t> bytes, const IconCheck& check) {
    if (std::none_of(check.pages.begin(), check.pages.end(), needsRewrite))
        return bytes;
    const size_t directoryEnd = kDirectoryHeaderBytes + check.pages.size() * kDirectoryEntryBytes;
    std::vector<uint8_t> readable(bytes.begin(), bytes.begin() + directoryEnd);
    for (size_t index = 0; index < check.pages.size(); ++index) {
        const size_t entryAt = kDirectoryHeaderBytes + index * kDirectoryEntryBytes;
        std::vector<uint8_t> pageBytes;
        if (check.pages[index].valid()) {
            const std::span<const uint8_t> page = std::span<const uint8_t>(bytes).subspan(
                readU32(bytes, entryAt + kEntryOffsetAt), readU32(bytes, entryAt + kEntrySizeAt));
            pageBytes = readablePage(page, check.pages[index]);
        }
        writeU32(readable, entryAt + kEntrySizeAt, static_cast<uint32_t>(pageBytes.size()));
        writeU32(readable, entryAt + kEntryOffsetAt, static_cast<uint32_t>(readable.size()));
        readable.insert(readable.end(), pageBytes.begin(), pageBytes.end());
    }
    return readable;
}

}  // namespace tessaro
