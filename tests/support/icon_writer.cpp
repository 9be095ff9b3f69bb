#include "support/icon_writer.h"

#include <FreeImage.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <optional>
#include <random>

namespace tessaro::test {

namespace {

constexpr size_t bitmapHeaderSize = 40;
constexpr uint32_t bitFieldsCompression = 3;
// Colour space tags of the larger headers: "sRGB", and "MBED" for a profile
// held in the page.
constexpr uint32_t standardColorSpace = 0x73524742;
constexpr uint32_t embeddedProfile = 0x4D424544;
const std::vector<uint8_t> profileBytes(48, 0xA5);

struct MemoryDeleter {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};
struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};

void appendU16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void appendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    appendU16(bytes, static_cast<uint16_t>(value));
    appendU16(bytes, static_cast<uint16_t>(value >> 16));
}

// Rows of bitmaps are padded to whole 32-bit words.
size_t rowBytes(int32_t width, int32_t bitCount) {
    return ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
}

bool sameColor(Rgba a, Rgba b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool isMasked(const IconPage& page, size_t index) {
    return !page.png && index < page.mask.size() && page.mask[index] != 0;
}

// The palette of an indexed page (padded to 2^bitCount entries) and each pixel's index.
std::optional<std::pair<std::vector<Rgba>, std::vector<uint8_t>>> indexPixels(
    const IconPage& page) {
    const size_t paletteSize = size_t{1} << page.bitCount;
    std::vector<Rgba> palette;
    std::vector<uint8_t> indexes;
    indexes.reserve(page.pixels.size());
    for (const Rgba& pixel : page.pixels) {
        auto found = std::find_if(palette.begin(), palette.end(),
                                  [&](Rgba entry) { return sameColor(entry, pixel); });
        if (found == palette.end()) {
            if (palette.size() == paletteSize)
                return std::nullopt;
            palette.push_back(pixel);
            found = palette.end() - 1;
        }
        indexes.push_back(static_cast<uint8_t>(found - palette.begin()));
    }
    palette.resize(paletteSize, Rgba{0, 0, 0, 0});
    return std::make_pair(palette, indexes);
}

uint32_t headerSize(BitmapHeader header) {
    switch (header) {
        case BitmapHeader::plain:
            return bitmapHeaderSize;
        case BitmapHeader::version4:
            return 108;
        case BitmapHeader::version5:
            return 124;
    }
    return bitmapHeaderSize;
}

// The bitmap header, followed by the bit-field masks when a plain header has them.
void appendBitmapHeader(std::vector<uint8_t>& bytes, const IconPage& page) {
    appendU32(bytes, headerSize(page.header));
    appendU32(bytes, static_cast<uint32_t>(page.width));
    appendU32(bytes, static_cast<uint32_t>(page.height * 2));
    appendU16(bytes, 1);
    appendU16(bytes, static_cast<uint16_t>(page.bitCount));
    appendU32(bytes, page.bitFields ? bitFieldsCompression : 0);
    for (int field = 0; field < 5; ++field)
        appendU32(bytes, 0);
    const bool larger = page.header != BitmapHeader::plain;
    // Larger headers hold the red, green and blue masks whether the page uses them or not.
    if (page.bitFields || larger) {
        constexpr std::array<uint32_t, 3> fiveBits = {0x7C00, 0x03E0, 0x001F};
        constexpr std::array<uint32_t, 3> eightBits = {0x00FF0000, 0x0000FF00, 0x000000FF};
        const std::array<uint32_t, 3> masks = !page.bitFields       ? std::array<uint32_t, 3>{}
                                              : page.bitCount == 16 ? fiveBits
                                                                    : eightBits;
        for (const uint32_t mask : masks)
            appendU32(bytes, mask);
    }
    if (larger) {
        appendU32(bytes, page.bitCount == 32 ? 0xFF000000 : 0);
        const bool version5 = page.header == BitmapHeader::version5;
        appendU32(bytes, version5 ? embeddedProfile : standardColorSpace);
        // Colour end points, gamma, then the version 5 header's intent,
        // profile offset and size, and a reserved field: all zero until the
        // profile is placed.
        bytes.resize(headerSize(page.header), 0);
    }
}

uint8_t fromFiveBits(uint8_t value) {
    return static_cast<uint8_t>((value >> 3) * 255 / 31);
}

// A classic page: bitmap header, palette, XOR bitmap and AND mask, rows
// bottom-up; a version 5 header's colour profile comes last.
std::vector<uint8_t> encodeClassicPage(const IconPage& page) {
    std::vector<uint8_t> bytes;
    appendBitmapHeader(bytes, page);

    std::vector<uint8_t> indexes;
    if (page.bitCount <= 8) {
        auto indexed = indexPixels(page);
        if (!indexed)
            return {};
        for (Rgba entry : indexed->first) {
            bytes.insert(bytes.end(), {entry.blue, entry.green, entry.red, 0});
        }
        indexes = std::move(indexed->second);
    }

    const size_t xorRow = rowBytes(page.width, page.bitCount);
    const size_t andRow = rowBytes(page.width, 1);
    std::vector<uint8_t> xorBits(xorRow * page.height, 0);
    std::vector<uint8_t> andBits(andRow * page.height, 0);
    for (int32_t y = 0; y < page.height; ++y) {
        uint8_t* xorLine = &xorBits[xorRow * (page.height - 1 - y)];
        uint8_t* andLine = &andBits[andRow * (page.height - 1 - y)];
        for (int32_t x = 0; x < page.width; ++x) {
            const size_t index = static_cast<size_t>(y) * page.width + x;
            const Rgba pixel = page.pixels[index];
            switch (page.bitCount) {
                case 1:
                    xorLine[x / 8] |= static_cast<uint8_t>(indexes[index] << (7 - x % 8));
                    break;
                case 4:
                    xorLine[x / 2] |= static_cast<uint8_t>(indexes[index] << (x % 2 ? 0 : 4));
                    break;
                case 8:
                    xorLine[x] = indexes[index];
                    break;
                case 16: {
                    const auto value = static_cast<uint16_t>(
                        (pixel.red >> 3) << 10 | (pixel.green >> 3) << 5 | pixel.blue >> 3);
                    xorLine[x * 2] = static_cast<uint8_t>(value);
                    xorLine[x * 2 + 1] = static_cast<uint8_t>(value >> 8);
                    break;
                }
                case 24:
                case 32: {
                    uint8_t* target = xorLine + x * (page.bitCount / 8);
                    target[0] = pixel.blue;
                    target[1] = pixel.green;
                    target[2] = pixel.red;
                    if (page.bitCount == 32)
                        target[3] = pixel.alpha;
                    break;
                }
            }
            if (isMasked(page, index))
                andLine[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    bytes.insert(bytes.end(), xorBits.begin(), xorBits.end());
    bytes.insert(bytes.end(), andBits.begin(), andBits.end());
    if (page.header == BitmapHeader::version5) {
        patchU32(bytes, headerProfileOffsetAt, static_cast<uint32_t>(bytes.size()));
        patchU32(bytes, headerProfileOffsetAt + 4, static_cast<uint32_t>(profileBytes.size()));
        bytes.insert(bytes.end(), profileBytes.begin(), profileBytes.end());
    }
    return bytes;
}

bool describable(const IconPage& page) {
    const bool knownDepth = page.png || page.bitCount == 1 || page.bitCount == 4 ||
                            page.bitCount == 8 || page.bitCount == 16 || page.bitCount == 24 ||
                            page.bitCount == 32;
    const bool bitFieldsDepth = page.bitCount == 16 || page.bitCount == 32;
    return knownDepth && (!page.bitFields || (bitFieldsDepth && !page.png)) && page.width > 0 &&
           page.height > 0 && page.pixels.size() == static_cast<size_t>(page.width) * page.height &&
           (page.mask.empty() || page.mask.size() == page.pixels.size());
}

IconPage pageOf(int32_t width, int32_t height, int32_t bitCount, bool png) {
    IconPage page;
    page.width = width;
    page.height = height;
    page.bitCount = png ? 32 : bitCount;
    page.png = png;
    page.pixels.resize(static_cast<size_t>(width) * height);
    return page;
}

}  // namespace

IconPage filledPage(int32_t width, int32_t height, int32_t bitCount, Rgba color, bool png,
                    bool maskedBorder) {
    IconPage page = pageOf(width, height, bitCount, png);
    std::fill(page.pixels.begin(), page.pixels.end(), color);
    if (maskedBorder) {
        page.mask.resize(page.pixels.size());
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                page.mask[static_cast<size_t>(y) * width + x] = border ? 1 : 0;
            }
        }
    }
    return page;
}

IconPage quadrantPage(int32_t width, int32_t height, int32_t bitCount, const Rgba (&colors)[4],
                      bool png) {
    IconPage page = pageOf(width, height, bitCount, png);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const int quadrant = (y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0);
            page.pixels[static_cast<size_t>(y) * width + x] = colors[quadrant];
        }
    }
    return page;
}

Rgba onWhite(const IconPage& page, int32_t x, int32_t y) {
    const size_t index = static_cast<size_t>(y) * page.width + x;
    if (page.bitCount < 32 && isMasked(page, index))
        return {255, 255, 255, 255};
    const Rgba pixel = page.pixels[index];
    if (!page.png && page.bitCount == 16)
        return {fromFiveBits(pixel.red), fromFiveBits(pixel.green), fromFiveBits(pixel.blue), 255};
    const bool pngAlpha = page.pngLayout == PngLayout::rgba8 || page.pngLayout == PngLayout::rgba16;
    const bool hasAlpha = page.png ? pngAlpha : page.bitCount == 32;
    const int alpha = hasAlpha ? pixel.alpha : 255;
    auto blend = [alpha](uint8_t value) {
        return static_cast<uint8_t>((value * alpha + 255 * (255 - alpha) + 127) / 255);
    };
    return {blend(pixel.red), blend(pixel.green), blend(pixel.blue), 255};
}

namespace {

// 8-bit RGBA pixels, for the usual PNG page.
std::unique_ptr<FIBITMAP, BitmapDeleter> rgba8Bitmap(const IconPage& page) {
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap(FreeImage_Allocate(
        page.width, page.height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    if (!bitmap)
        return bitmap;
    for (int32_t y = 0; y < page.height; ++y) {
        BYTE* line = FreeImage_GetScanLine(bitmap.get(), page.height - 1 - y);
        for (int32_t x = 0; x < page.width; ++x) {
            const Rgba pixel = page.pixels[static_cast<size_t>(y) * page.width + x];
            line[x * 4 + FI_RGBA_RED] = pixel.red;
            line[x * 4 + FI_RGBA_GREEN] = pixel.green;
            line[x * 4 + FI_RGBA_BLUE] = pixel.blue;
            line[x * 4 + FI_RGBA_ALPHA] = pixel.alpha;
        }
    }
    return bitmap;
}

// 16 bits per channel: each 8-bit value v becomes v * 257, so it reads back
// as v at 8 bits.
std::unique_ptr<FIBITMAP, BitmapDeleter> sixteenBitBitmap(const IconPage& page) {
    const FREE_IMAGE_TYPE type = page.pngLayout == PngLayout::grey16  ? FIT_UINT16
                                 : page.pngLayout == PngLayout::rgb16 ? FIT_RGB16
                                                                      : FIT_RGBA16;
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap(
        FreeImage_AllocateT(type, page.width, page.height));
    if (!bitmap)
        return bitmap;
    for (int32_t y = 0; y < page.height; ++y) {
        auto* line =
            reinterpret_cast<uint16_t*>(FreeImage_GetScanLine(bitmap.get(), page.height - 1 - y));
        for (int32_t x = 0; x < page.width; ++x) {
            const Rgba pixel = page.pixels[static_cast<size_t>(y) * page.width + x];
            const uint16_t channels[4] = {
                static_cast<uint16_t>(pixel.red * 257), static_cast<uint16_t>(pixel.green * 257),
                static_cast<uint16_t>(pixel.blue * 257), static_cast<uint16_t>(pixel.alpha * 257)};
            const int count = type == FIT_UINT16 ? 1 : type == FIT_RGB16 ? 3 : 4;
            std::copy(channels, channels + count, line + x * count);
        }
    }
    return bitmap;
}

}  // namespace

std::vector<uint8_t> encodePng(const IconPage& page) {
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap =
        page.pngLayout == PngLayout::rgba8 ? rgba8Bitmap(page) : sixteenBitBitmap(page);
    if (!bitmap)
        return {};
    std::unique_ptr<FIMEMORY, MemoryDeleter> memory(FreeImage_OpenMemory());
    if (!memory || !FreeImage_SaveToMemory(FIF_PNG, bitmap.get(), memory.get(), PNG_DEFAULT)) {
        return {};
    }
    BYTE* data = nullptr;
    DWORD size = 0;
    if (!FreeImage_AcquireMemory(memory.get(), &data, &size))
        return {};
    return {data, data + size};
}

std::vector<uint8_t> encodeIcon(const std::vector<IconPage>& pages) {
    std::vector<std::vector<uint8_t>> pageData;
    for (const IconPage& page : pages) {
        if (!describable(page))
            return {};
        pageData.push_back(page.png ? encodePng(page) : encodeClassicPage(page));
        if (pageData.back().empty())
            return {};
    }

    std::vector<uint8_t> bytes;
    appendU16(bytes, 0);
    appendU16(bytes, 1);
    appendU16(bytes, static_cast<uint16_t>(pages.size()));
    uint32_t offset = static_cast<uint32_t>(directoryEntryAt(pages.size()));
    for (size_t index = 0; index < pages.size(); ++index) {
        const IconPage& page = pages[index];
        const int32_t bitCount = page.png ? 32 : page.bitCount;
        bytes.push_back(static_cast<uint8_t>(page.width >= 256 ? 0 : page.width));
        bytes.push_back(static_cast<uint8_t>(page.height >= 256 ? 0 : page.height));
        bytes.push_back(static_cast<uint8_t>(bitCount < 8 ? 1 << bitCount : 0));
        bytes.push_back(0);
        appendU16(bytes, 1);
        appendU16(bytes, static_cast<uint16_t>(bitCount));
        appendU32(bytes, static_cast<uint32_t>(pageData[index].size()));
        appendU32(bytes, offset);
        offset += static_cast<uint32_t>(pageData[index].size());
    }
    for (const std::vector<uint8_t>& data : pageData) {
        bytes.insert(bytes.end(), data.begin(), data.end());
    }
    return bytes;
}

bool writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool writeIcon(const std::filesystem::path& path, const std::vector<IconPage>& pages) {
    const std::vector<uint8_t> bytes = encodeIcon(pages);
    return !bytes.empty() && writeBytes(path, bytes);
}

uint32_t readU32(const std::vector<uint8_t>& bytes, size_t offset) {
    return bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 |
           static_cast<uint32_t>(bytes.at(offset + 3)) << 24;
}

void patchU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void patchU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    patchU16(bytes, offset, static_cast<uint16_t>(value));
    patchU16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

size_t pageDataAt(const std::vector<uint8_t>& icon, size_t page) {
    return readU32(icon, directoryEntryAt(page) + entryOffsetAt);
}

std::vector<uint8_t> truncatedAt(std::vector<uint8_t> bytes, size_t size) {
    bytes.resize(std::min(bytes.size(), size));
    return bytes;
}

std::vector<uint8_t> randomBytes(size_t size, uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(generator());
    return bytes;
}

std::vector<MalformedIcon> malformedIcons() {
    const Rgba red{200, 30, 30, 255};
    const std::vector<uint8_t> classic = encodeIcon({filledPage(16, 16, 8, red)});
    const std::vector<uint8_t> png = encodeIcon({filledPage(32, 32, 32, red, true)});
    const size_t entry = directoryEntryAt(0);
    const size_t header = pageDataAt(classic, 0);
    const uint32_t classicSize = readU32(classic, entry + entrySizeAt);
    // Palette of 256 entries, then the XOR bitmap (16 rows of 16 bytes), then the AND mask.
    const uint32_t xorStart = static_cast<uint32_t>(bitmapHeaderSize + 256 * 4);

    std::vector<MalformedIcon> table;
    auto patched = [&](std::string name, const std::vector<uint8_t>& base, size_t offset,
                       uint32_t value, int width) {
        std::vector<uint8_t> bytes = base;
        width == 2 ? patchU16(bytes, offset, static_cast<uint16_t>(value))
                   : patchU32(bytes, offset, value);
        table.push_back({std::move(name), std::move(bytes)});
    };

    table.push_back({"empty file", {}});
    table.push_back({"random bytes", randomBytes(4096, 7)});
    table.push_back({"bare PNG file", encodePng(filledPage(32, 32, 32, red, true))});
    table.push_back({"truncated header", truncatedAt(classic, 4)});
    table.push_back({"truncated directory", truncatedAt(classic, entry + 10)});
    table.push_back({"truncated bitmap", truncatedAt(classic, header + xorStart + 100)});
    table.push_back({"truncated AND mask", truncatedAt(classic, classic.size() - 1)});
    table.push_back({"truncated PNG page", truncatedAt(png, png.size() / 2)});
    patched("reserved field set", classic, 0, 1, 2);
    patched("cursor type", classic, 2, 2, 2);
    patched("zero pages", classic, 4, 0, 2);
    patched("65535 pages", classic, 4, 65535, 2);
    patched("entry beyond the file", classic, entry + entryOffsetAt,
            static_cast<uint32_t>(classic.size() + 16), 4);
    patched("entry offset and size overflow", classic, entry + entryOffsetAt, 0xFFFFFFF0u, 4);
    patched("entry size beyond the file", classic, entry + entrySizeAt, classicSize + 1, 4);
    patched("entry size zero", classic, entry + entrySizeAt, 0, 4);
    patched("entry inside the directory", classic, entry + entryOffsetAt, 2, 4);
    patched("bitmap header size zero", classic, header + headerSizeAt, 0, 4);
    patched("bitmap header size huge", classic, header + headerSizeAt, 0x7FFFFFF0u, 4);
    patched("absurd width", classic, header + headerWidthAt, 0x7FFFFFFFu, 4);
    patched("negative width", classic, header + headerWidthAt, 0xFFFFFFF0u, 4);
    patched("zero width", classic, header + headerWidthAt, 0, 4);
    patched("absurd height", classic, header + headerHeightAt, 0x7FFFFFFEu, 4);
    patched("negative height", classic, header + headerHeightAt, 0xFFFFFFE0u, 4);
    patched("height of one row pair", classic, header + headerHeightAt, 1, 4);
    patched("zero planes", classic, header + headerPlanesAt, 0, 2);
    for (uint32_t bitCount : {0u, 3u, 7u, 12u, 31u, 64u}) {
        patched("bit count " + std::to_string(bitCount), classic, header + headerBitCountAt,
                bitCount, 2);
    }
    patched("oversized palette", classic, header + headerColorsUsedAt, 100000, 4);
    patched("unknown compression", classic, header + headerCompressionAt, 99, 4);
    IconPage sixteenBits = filledPage(16, 16, 16, red);
    sixteenBits.bitFields = true;
    const std::vector<uint8_t> bitFields = encodeIcon({sixteenBits});
    patched("bit fields of another layout", bitFields, pageDataAt(bitFields, 0) + headerMasksAt,
            0xF800, 4);
    IconPage version5 = filledPage(16, 16, 24, red);
    version5.header = BitmapHeader::version5;
    patched("larger bitmap header cut short", encodeIcon({version5}), entry + entrySizeAt, 100, 4);
    patched("palette beyond the entry", classic, entry + entrySizeAt,
            static_cast<uint32_t>(bitmapHeaderSize + 100), 4);
    patched("XOR bitmap beyond the entry", classic, entry + entrySizeAt, xorStart + 100, 4);
    patched("AND mask beyond the entry", classic, entry + entrySizeAt, classicSize - 1, 4);
    // The PNG header's width and height follow the signature, the chunk length and "IHDR".
    const size_t ihdr = pageDataAt(png, 0) + 16;
    auto bigEndian = [](uint32_t value) {
        return (value >> 24) | ((value >> 8) & 0xFF00) | ((value << 8) & 0xFF0000) | (value << 24);
    };
    for (uint32_t side : {10000u, 100000u}) {
        std::vector<uint8_t> hugePng = png;
        patchU32(hugePng, ihdr, bigEndian(side));
        patchU32(hugePng, ihdr + 4, bigEndian(side));
        const std::string name = std::to_string(side);
        table.push_back({"PNG page claiming " + name + " x " + name + " pixels", hugePng});
    }
    patched("PNG page of zero width", png, ihdr, 0, 4);

    // Two pages whose directory entries claim the same bytes, in part or whole.
    const std::vector<uint8_t> twoPages =
        encodeIcon({filledPage(16, 16, 8, red), filledPage(16, 16, 8, red)});
    const size_t secondEntry = directoryEntryAt(1);
    patched("overlapping entries", twoPages, secondEntry + entryOffsetAt,
            static_cast<uint32_t>(pageDataAt(twoPages, 0) + 100), 4);
    patched("entries sharing one page", twoPages, secondEntry + entryOffsetAt,
            static_cast<uint32_t>(pageDataAt(twoPages, 0)), 4);
    return table;
}

}  // namespace tessaro::test
