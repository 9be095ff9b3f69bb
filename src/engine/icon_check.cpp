#include "engine/icon_check.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "engine/byte_reader.h"

namespace tessaro {

namespace {

// The file's structures as stored, every field little-endian. They are read
// field by field, so their layout in memory never matters; the sizes tie them
// to the file format.
struct IconDirectoryHeader {
    uint16_t reserved;
    uint16_t type;
    uint16_t count;
};
static_assert(sizeof(IconDirectoryHeader) == 6);

struct IconDirectoryEntry {
    uint8_t width;
    uint8_t height;
    uint8_t colorCount;
    uint8_t reserved;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t bytesInResource;
    uint32_t imageOffset;
};
static_assert(sizeof(IconDirectoryEntry) == 16);

struct BitmapInfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;  // twice the picture's height: the XOR bitmap and the AND mask
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPixelsPerMeter;
    int32_t yPixelsPerMeter;
    uint32_t coloursUsed;
    uint32_t coloursImportant;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

constexpr std::array<uint8_t, 8> pngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, then the IHDR chunk: length, type, width, height, five bytes, CRC.
constexpr size_t pngHeaderBytes = 8 + 4 + 4 + 13 + 4;

// A stored structure read field by field, the fields' types in their order;
// nothing when the bytes end before it does.
template <typename Record, std::integral... Fields>
std::optional<Record> readRecord(ByteReader& reader) {
    static_assert((sizeof(Fields) + ...) == sizeof(Record));
    const auto fields = reader.readAll<Fields...>();
    if (!fields)
        return std::nullopt;
    return std::make_from_tuple<Record>(*fields);
}

std::optional<IconDirectoryHeader> readDirectoryHeader(ByteReader& reader) {
    return readRecord<IconDirectoryHeader, uint16_t, uint16_t, uint16_t>(reader);
}

std::optional<IconDirectoryEntry> readDirectoryEntry(ByteReader& reader) {
    return readRecord<IconDirectoryEntry, uint8_t, uint8_t, uint8_t, uint8_t, uint16_t, uint16_t,
                      uint32_t, uint32_t>(reader);
}

std::optional<BitmapInfoHeader> readBitmapInfoHeader(ByteReader& reader) {
    return readRecord<BitmapInfoHeader, uint32_t, int32_t, int32_t, uint16_t, uint16_t, uint32_t,
                      uint32_t, int32_t, int32_t, uint32_t, uint32_t>(reader);
}

// Bytes of one bitmap row, padded to whole 32-bit words.
uint64_t rowBytes(int64_t width, int64_t bitCount) {
    return static_cast<uint64_t>((width * bitCount + 31) / 32 * 4);
}

bool sizeAllowed(int64_t width, int64_t height) {
    return width * height <= maxPagePixels;
}

// True when any pixel of the AND mask (rows of `width` bits, padding ignored) is set.
bool maskMarksAnyPixel(std::span<const uint8_t> mask, int32_t width, int32_t height) {
    const size_t wholeBytes = static_cast<size_t>(width / 8);
    const uint8_t lastByteBits = static_cast<uint8_t>(0xFF00 >> (width % 8));
    ByteReader rows(mask);
    for (int32_t y = 0; y < height; ++y) {
        const auto line = rows.take(rowBytes(width, 1));
        if (!line)
            return false;
        const auto whole = line->first(wholeBytes);
        if (std::any_of(whole.begin(), whole.end(), [](uint8_t bits) { return bits != 0; })) {
            return true;
        }
        if (width % 8 != 0 && ((*line)[wholeBytes] & lastByteBits) != 0)
            return true;
    }
    return false;
}

IconPageCheck checkPngPage(std::span<const uint8_t> page) {
    IconPageCheck check;
    check.png = true;
    check.bitCount = 32;
    if (page.size() < pngHeaderBytes) {
        check.fault = IconFault::entryTooSmall;
        return check;
    }
    ByteReader reader(page, pngSignature.size());
    const auto chunkLength = reader.readBigEndian<uint32_t>();
    const auto chunkType = reader.readBigEndian<uint32_t>();
    const uint32_t width = reader.readBigEndian<uint32_t>().value_or(0);
    const uint32_t height = reader.readBigEndian<uint32_t>().value_or(0);
    constexpr uint32_t ihdr = 0x49484452;
    if (chunkLength != 13u || chunkType != ihdr) {
        check.fault = IconFault::badPngHeader;
    } else if (width == 0 || width > maxPageSide) {
        check.fault = IconFault::badWidth;
    } else if (height == 0 || height > maxPageSide) {
        check.fault = IconFault::badHeight;
    } else if (!sizeAllowed(width, height)) {
        check.fault = IconFault::tooManyPixels;
    }
    check.width = static_cast<int32_t>(width);
    check.height = static_cast<int32_t>(height);
    return check;
}

// The bitmap header sizes a page may have: the plain info header, and the
// version 4 and 5 headers, whose first 40 bytes are the plain header's fields
// and whose further fields (colour space, profile) are never read.
constexpr std::array<uint32_t, 3> bitmapHeaderSizes = {40, 108, 124};

constexpr uint32_t uncompressed = 0;
constexpr uint32_t bitFields = 3;
// The red, green and blue masks of a bit-field page lie right after the
// plain header's fields: inside a larger header, or following a 40-byte one.
constexpr size_t bitFieldMasksAt = sizeof(BitmapInfoHeader);
constexpr size_t bitFieldMasksBytes = 3 * 4;

struct ChannelMasks {
    uint32_t red;
    uint32_t green;
    uint32_t blue;

    friend bool operator==(const ChannelMasks&, const ChannelMasks&) = default;
};

// Whatever a page's header says, the decoder reads its pixels as
// uncompressed rows right after the palette, 16-bit pixels as 5-5-5 and
// 32-bit pixels as blue, green, red and alpha bytes. So it decodes
// uncompressed pages at every depth, and bit-field pages only where their
// masks are that very layout (once the masks are out of its way). Run-length
// pages (codes 1 and 2), embedded JPEG or PNG (4 and 5) and any other code
// would come out as noise, so they are refused.
struct ReadableBitFields {
    uint16_t bitCount;
    ChannelMasks masks;
};
constexpr std::array<ReadableBitFields, 2> readableBitFields = {{
    {16, {0x7C00, 0x03E0, 0x001F}},
    {32, {0x00FF0000, 0x0000FF00, 0x000000FF}},
}};

// Where the page's palette (or, from 16 bits, its pixels) begins.
uint64_t paletteOffset(const BitmapInfoHeader& header) {
    const bool masksFollow =
        header.compression == bitFields && header.size == sizeof(BitmapInfoHeader);
    return header.size + (masksFollow ? bitFieldMasksBytes : 0);
}

IconFault checkCompression(std::span<const uint8_t> page, const BitmapInfoHeader& header) {
    if (header.compression == uncompressed)
        return IconFault::none;
    const auto readable = std::find_if(
        readableBitFields.begin(), readableBitFields.end(),
        [&](const ReadableBitFields& fields) { return fields.bitCount == header.bitCount; });
    if (header.compression != bitFields || readable == readableBitFields.end())
        return IconFault::unsupportedCompression;
    ByteReader reader(page, bitFieldMasksAt);
    const auto masks = readRecord<ChannelMasks, uint32_t, uint32_t, uint32_t>(reader);
    if (!masks)
        return IconFault::entryTooSmall;
    return masks == readable->masks ? IconFault::none : IconFault::unsupportedBitFields;
}

// A classic page: bitmap header, palette, XOR bitmap and AND mask, all of them
// within the entry. The decoder always reads a full palette of 2^bitCount
// colours for depths up to 8, and the AND mask of pages below 32 bits.
IconPageCheck checkBitmapPage(std::span<const uint8_t> page) {
    IconPageCheck check;
    ByteReader reader(page);
    const std::optional<BitmapInfoHeader> stored = readBitmapInfoHeader(reader);
    if (!stored) {
        check.fault = IconFault::entryTooSmall;
        return check;
    }
    const BitmapInfoHeader& header = *stored;
    const int32_t width = header.width;
    const int32_t height = header.height / 2;
    check.width = width;
    check.height = height;
    check.bitCount = header.bitCount;
    const auto fail = [&check](IconFault fault) {
        check.fault = fault;
        return check;
    };
    if (std::find(bitmapHeaderSizes.begin(), bitmapHeaderSizes.end(), header.size) ==
        bitmapHeaderSizes.end()) {
        return fail(IconFault::bitmapHeaderSize);
    }
    if (header.size > page.size())
        return fail(IconFault::entryTooSmall);
    if (width <= 0 || width > maxPageSide)
        return fail(IconFault::badWidth);
    if (height <= 0 || height > maxPageSide)
        return fail(IconFault::badHeight);
    if (header.planes != 1)
        return fail(IconFault::badPlanes);
    constexpr std::array<uint16_t, 6> depths = {1, 4, 8, 16, 24, 32};
    if (std::find(depths.begin(), depths.end(), header.bitCount) == depths.end()) {
        return fail(IconFault::badBitCount);
    }
    if (!sizeAllowed(width, height))
        return fail(IconFault::tooManyPixels);
    if (const IconFault fault = checkCompression(page, header); fault != IconFault::none)
        return fail(fault);
    const uint64_t paletteAt = paletteOffset(header);
    check.paletteAt = static_cast<uint32_t>(paletteAt);

    const uint64_t paletteColors = header.bitCount <= 8 ? uint64_t{1} << header.bitCount : 0;
    if (header.coloursUsed > paletteColors)
        return fail(IconFault::paletteTooLarge);
    const uint64_t paletteEnd = paletteAt + paletteColors * 4;
    if (paletteEnd > page.size())
        return fail(IconFault::paletteBeyondEntry);
    const uint64_t pixelsEnd = paletteEnd + rowBytes(width, header.bitCount) * height;
    if (pixelsEnd > page.size())
        return fail(IconFault::pixelsBeyondEntry);
    if (header.bitCount < 32) {
        const uint64_t maskBytes = rowBytes(width, 1) * height;
        if (pixelsEnd + maskBytes > page.size())
            return fail(IconFault::maskBeyondEntry);
        check.maskMarksPixels =
            maskMarksAnyPixel(page.last(page.size() - pixelsEnd), width, height);
    }
    return check;
}

IconPageCheck checkPage(std::span<const uint8_t> bytes, const IconDirectoryEntry& entry,
                        uint64_t directoryEnd) {
    const auto page = ByteReader(bytes, entry.imageOffset).take(entry.bytesInResource);
    IconPageCheck check;
    if (!page) {
        check.fault = IconFault::entryBeyondFile;
    } else if (entry.imageOffset < directoryEnd) {
        check.fault = IconFault::entryInsideDirectory;
    } else if (page->empty()) {
        check.fault = IconFault::entryTooSmall;
    } else {
        const bool png = page->size() >= pngSignature.size() &&
                         std::equal(pngSignature.begin(), pngSignature.end(), page->begin());
        check = png ? checkPngPage(*page) : checkBitmapPage(*page);
    }
    check.offset = entry.imageOffset;
    check.size = entry.bytesInResource;
    return check;
}

// No writer lets two pages share bytes; a directory that does was made to
// make one region of the file read as two different pictures.
bool anyEntriesOverlap(std::vector<IconDirectoryEntry> entries) {
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.imageOffset < b.imageOffset; });
    for (size_t index = 1; index < entries.size(); ++index) {
        const IconDirectoryEntry& before = entries[index - 1];
        const uint64_t beforeEnd = uint64_t{before.imageOffset} + before.bytesInResource;
        if (beforeEnd > entries[index].imageOffset)
            return true;
    }
    return false;
}

}  // namespace

IconCheck checkIcon(std::span<const uint8_t> bytes) {
    IconCheck check;
    if (bytes.size() > maxIconFileBytes) {
        check.fault = IconFault::fileTooLarge;
        return check;
    }
    ByteReader directory(bytes);
    const std::optional<IconDirectoryHeader> stored = readDirectoryHeader(directory);
    if (!stored) {
        check.fault = IconFault::truncatedHeader;
        return check;
    }
    const IconDirectoryHeader& header = *stored;
    const uint64_t directoryEnd =
        sizeof(IconDirectoryHeader) + uint64_t{header.count} * sizeof(IconDirectoryEntry);
    if (header.reserved != 0) {
        check.fault = IconFault::reservedNotZero;
    } else if (header.type != 1) {
        check.fault = IconFault::notAnIcon;
    } else if (header.count == 0) {
        check.fault = IconFault::noPages;
    } else if (directoryEnd > bytes.size()) {
        check.fault = IconFault::directoryBeyondFile;
    } else if (header.count > maxIconPages) {
        check.fault = IconFault::tooManyPages;
    }
    if (!check.valid())
        return check;

    std::vector<IconDirectoryEntry> entries;
    for (size_t index = 0; index < header.count; ++index) {
        const std::optional<IconDirectoryEntry> entry = readDirectoryEntry(directory);
        if (!entry) {
            check.fault = IconFault::directoryBeyondFile;
            return check;
        }
        entries.push_back(*entry);
    }
    if (anyEntriesOverlap(entries)) {
        check.fault = IconFault::entriesOverlap;
        return check;
    }
    for (const IconDirectoryEntry& entry : entries)
        check.pages.push_back(checkPage(bytes, entry, directoryEnd));
    return check;
}

std::string_view describeFault(IconFault fault) {
    switch (fault) {
        case IconFault::none:
            return "sound";
        case IconFault::fileTooLarge:
            return "file too large";
        case IconFault::truncatedHeader:
            return "header cut short";
        case IconFault::reservedNotZero:
            return "reserved header field not zero";
        case IconFault::notAnIcon:
            return "not an icon";
        case IconFault::noPages:
            return "no pages";
        case IconFault::tooManyPages:
            return "too many pages";
        case IconFault::directoryBeyondFile:
            return "directory beyond the end of the file";
        case IconFault::entriesOverlap:
            return "pages share bytes";
        case IconFault::entryBeyondFile:
            return "page data beyond the end of the file";
        case IconFault::entryInsideDirectory:
            return "page data inside the directory";
        case IconFault::entryTooSmall:
            return "page data too small";
        case IconFault::bitmapHeaderSize:
            return "unsupported bitmap header size";
        case IconFault::unsupportedCompression:
            return "compression the decoder does not read";
        case IconFault::unsupportedBitFields:
            return "bit-field masks the decoder does not read";
        case IconFault::badWidth:
            return "width out of range";
        case IconFault::badHeight:
            return "height out of range";
        case IconFault::badPlanes:
            return "plane count not 1";
        case IconFault::badBitCount:
            return "unsupported bit count";
        case IconFault::paletteTooLarge:
            return "palette larger than the bit count allows";
        case IconFault::paletteBeyondEntry:
            return "palette beyond the page data";
        case IconFault::pixelsBeyondEntry:
            return "pixels beyond the page data";
        case IconFault::maskBeyondEntry:
            return "transparency mask beyond the page data";
        case IconFault::badPngHeader:
            return "PNG header missing";
        case IconFault::tooManyPixels:
            return "too many pixels";
    }
    return "unknown fault";
}

}  // namespace tessaro
