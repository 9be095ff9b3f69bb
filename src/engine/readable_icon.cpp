#include "engine/readable_icon.h"

#include <algorithm>
#include <optional>
#include <span>

#include "engine/byte_reader.h"

namespace tessaro {

namespace {

constexpr size_t directoryHeaderBytes = 6;
constexpr size_t directoryEntryBytes = 16;
// An entry's bytes before its page's size and offset, which change here.
constexpr size_t entryKeptBytes = 8;
constexpr size_t entryPlaceBytes = 8;
constexpr uint32_t plainHeaderBytes = 40;
// The bitmap header's own size field, then its width, height, planes and bit
// count, then its compression field, then the rest of the plain header.
constexpr size_t headerSizeBytes = 4;
constexpr size_t headerDimensionsBytes = 12;
constexpr size_t headerCompressionBytes = 4;
constexpr uint32_t uncompressed = 0;

void append(std::vector<uint8_t>& bytes, std::span<const uint8_t> more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
}

bool needsRewrite(const IconPageCheck& page) {
    return page.valid() && !page.png && page.paletteAt != plainHeaderBytes;
}

// A rewritten page: its header's first 40 bytes marked as a 40-byte
// uncompressed header, then everything from its palette on. The check lets
// bit fields through only in the layout uncompressed pages have.
std::optional<std::vector<uint8_t>> rewrittenPage(std::span<const uint8_t> page,
                                                  uint32_t paletteAt) {
    ByteReader header(page);
    header.take(headerSizeBytes);
    const auto dimensions = header.take(headerDimensionsBytes);
    header.take(headerCompressionBytes);
    const auto rest = header.take(plainHeaderBytes - headerSizeBytes - headerDimensionsBytes -
                                  headerCompressionBytes);
    ByteReader fromPalette(page, paletteAt);
    const auto palette = fromPalette.take(fromPalette.remaining());
    if (!dimensions || !rest || !palette)
        return std::nullopt;
    std::vector<uint8_t> rewritten;
    appendLittleEndian(rewritten, plainHeaderBytes);
    append(rewritten, *dimensions);
    appendLittleEndian(rewritten, uncompressed);
    append(rewritten, *rest);
    append(rewritten, *palette);
    return rewritten;
}

// The bytes of a page as the decoder reads them; none for a refused page.
std::vector<uint8_t> readablePage(std::span<const uint8_t> bytes, const IconPageCheck& check) {
    const auto page = ByteReader(bytes, check.offset).take(check.size);
    if (!check.valid() || !page)
        return {};
    if (!needsRewrite(check))
        return {page->begin(), page->end()};
    return rewrittenPage(*page, check.paletteAt).value_or(std::vector<uint8_t>{});
}

}  // namespace

std::vector<uint8_t> decoderReadableIcon(std::vector<uint8_t> bytes, const IconCheck& check) {
    if (std::none_of(check.pages.begin(), check.pages.end(), needsRewrite))
        return bytes;
    ByteReader directory(bytes);
    const auto header = directory.take(directoryHeaderBytes);
    if (!header)
        return {};
    std::vector<uint8_t> readable(header->begin(), header->end());
    std::vector<uint8_t> pages;
    const size_t directoryEnd = directoryHeaderBytes + check.pages.size() * directoryEntryBytes;
    for (const IconPageCheck& pageCheck : check.pages) {
        const auto kept = directory.take(entryKeptBytes);
        if (!kept || !directory.take(entryPlaceBytes))
            return {};
        const std::vector<uint8_t> page = readablePage(bytes, pageCheck);
        append(readable, *kept);
        appendLittleEndian(readable, static_cast<uint32_t>(page.size()));
        appendLittleEndian(readable, static_cast<uint32_t>(directoryEnd + pages.size()));
        append(pages, page);
    }
    append(readable, pages);
    return readable;
}

}  // namespace tessaro
