#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Builds icon files for tests: well-formed ones of every page kind, and the
// malformed ones a hostile or broken file may hold. Nothing here decodes.
namespace tessaro::test {

struct Rgba {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// How a PNG page stores its pixels: RGBA at 8 bits per channel, as icon
// writers do, or at 16 bits per channel as grey levels (of the red channel),
// as RGB (alpha ignored) or as RGBA.
enum class PngLayout { rgba8, grey16, rgb16, rgba16 };

// The bitmap header of a classic page: the plain 40-byte one, or the larger
// version 4 (108 bytes) and version 5 (124 bytes, here with a colour profile
// after the mask) headers that some editors write.
enum class BitmapHeader { plain, version4, version5 };

// One page. `pixels` run row by row from the top, width * height of them.
// Classic pages of 1, 4 and 8 bits get a palette of the pixels' distinct
// colours (alpha ignored, at most 2, 16 or 256 of them); 16-bit pages store
// 5 bits per channel and 24-bit pages 8, both ignoring alpha; 32-bit and PNG
// pages keep it. 16- and 32-bit pages with `bitFields` say so in their header
// and give their masks (5-5-5 and 8-8-8), after a plain header or inside a
// larger one. `mask` is the AND mask, one entry per pixel in the same order,
// non-zero for a masked (transparent) pixel; empty marks nothing. PNG pages
// have no AND mask and count as 32-bit in the directory.
struct IconPage {
    int32_t width = 16;
    int32_t height = 16;
    int32_t bitCount = 32;
    bool png = false;
    PngLayout pngLayout = PngLayout::rgba8;
    BitmapHeader header = BitmapHeader::plain;
    bool bitFields = false;
    std::vector<Rgba> pixels;
    std::vector<uint8_t> mask;
};

// A page of one colour; with `maskedBorder` the outermost ring of pixels is masked.
IconPage filledPage(int32_t width, int32_t height, int32_t bitCount, Rgba color, bool png = false,
                    bool maskedBorder = false);

// A page whose four quadrants have the given colours (top left, top right,
// bottom left, bottom right), so orientation and per-region colour show.
IconPage quadrantPage(int32_t width, int32_t height, int32_t bitCount, const Rgba (&colors)[4],
                      bool png = false);

// The colour a viewer shows for pixel (x, y) of the page on a white background:
// masked pixels of pages below 32 bits are white; 32-bit and PNG pages blend
// their alpha onto white, whatever the mask says; 16-bit pages show the
// colour their 5 bits per channel keep.
Rgba onWhite(const IconPage& page, int32_t x, int32_t y);

// The bytes of an icon file holding the pages in order; empty when a page
// cannot be encoded (unsupported bit count, wrong pixel count, too many colours).
std::vector<uint8_t> encodeIcon(const std::vector<IconPage>& pages);

// The PNG file FreeImage writes for a page's pixels (also what a PNG page holds).
std::vector<uint8_t> encodePng(const IconPage& page);

bool writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
bool writeIcon(const std::filesystem::path& path, const std::vector<IconPage>& pages);

// Where the parts of an encoded icon lie, for patching malformed variants.
constexpr size_t iconHeaderSize = 6;
constexpr size_t directoryEntrySize = 16;
constexpr size_t directoryEntryAt(size_t page) {
    return iconHeaderSize + page * directoryEntrySize;
}
// Field offsets inside a directory entry and inside a page's bitmap header.
enum EntryField : size_t {
    entryWidthAt = 0,
    entryHeightAt = 1,
    entryBitCountAt = 6,
    entrySizeAt = 8,
    entryOffsetAt = 12
};
enum BitmapField : size_t {
    headerSizeAt = 0,
    headerWidthAt = 4,
    headerHeightAt = 8,
    headerPlanesAt = 12,
    headerBitCountAt = 14,
    headerCompressionAt = 16,
    headerColorsUsedAt = 32,
    headerMasksAt = 40,           // red, green, blue: in a larger header, or after a 40-byte one
    headerProfileOffsetAt = 112,  // then the profile's size, in a version 5 header
};

uint32_t readU32(const std::vector<uint8_t>& bytes, size_t offset);
void patchU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value);
void patchU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
// The file offset of a page's data, read from its directory entry.
size_t pageDataAt(const std::vector<uint8_t>& icon, size_t page);

std::vector<uint8_t> truncatedAt(std::vector<uint8_t> bytes, size_t size);
std::vector<uint8_t> randomBytes(size_t size, uint32_t seed);

// A named malformed file that a loader must refuse as a whole (nothing converts).
struct MalformedIcon {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every malformed kind: truncations, lying directory entries and bitmap
// headers, absurd sizes, odd bit counts, oversized palettes, 0 and 65535 pages,
// a bare PNG file, an empty file, random bytes, and pages that share bytes.
// Each holds one page at most, so refusing its page refuses the file, or is
// refused as a whole.
std::vector<MalformedIcon> malformedIcons();

}  // namespace tessaro::test
