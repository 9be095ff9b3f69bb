#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The icon decoder of the imaging library trusts every size and depth an icon
// file states, so a hostile or broken file can make it allocate without bound,
// loop, or read and write outside its buffers. Every icon's bytes pass this
// check first; only what it finds sound reaches the decoder.
namespace tessaro {

// Bounds beyond which an icon or one of its pages is refused outright.
constexpr size_t maxIconFileBytes = size_t{64} << 20;
constexpr int32_t maxIconPages = 256;
constexpr int32_t maxPageSide = 16384;
constexpr int64_t maxPagePixels = int64_t{4096} * 4096;

enum class IconFault {
    none,
    // The whole file.
    fileTooLarge,
    truncatedHeader,
    reservedNotZero,
    notAnIcon,
    noPages,
    tooManyPages,
    directoryBeyondFile,
    entriesOverlap,
    // One page.
    entryBeyondFile,
    entryInsideDirectory,
    entryTooSmall,
    bitmapHeaderSize,
    unsupportedCompression,
    unsupportedBitFields,
    badWidth,
    badHeight,
    badPlanes,
    badBitCount,
    paletteTooLarge,
    paletteBeyondEntry,
    pixelsBeyondEntry,
    maskBeyondEntry,
    badPngHeader,
    tooManyPixels,
};

// What the check learnt about one page; `fault` is none when it may be decoded.
struct IconPageCheck {
    IconFault fault = IconFault::none;
    bool png = false;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitCount = 0;  // as stored: the bitmap's depth, or 32 for a PNG page
    // A classic page below 32 bits whose AND mask makes at least one pixel transparent.
    bool maskMarksPixels = false;
    // Where a classic page's palette begins (its pixels, from 16 bits): right
    // after the bitmap header, and after the bit-field masks that a 40-byte
    // header with bit fields is followed by. The decoder reads them right
    // after 40 bytes; a page where they lie elsewhere reaches it rewritten
    // (see decoderReadableIcon).
    uint32_t paletteAt = 0;
    // Where the page's bytes lie in the file, as its directory entry says.
    uint32_t offset = 0;
    uint32_t size = 0;

    bool valid() const { return fault == IconFault::none; }
};

// `fault` concerns the header and directory: when it is not none, `pages` is
// empty and nothing of the file may be decoded.
struct IconCheck {
    IconFault fault = IconFault::none;
    std::vector<IconPageCheck> pages;

    bool valid() const { return fault == IconFault::none; }
};

IconCheck checkIcon(std::span<const uint8_t> bytes);

// A short English description of a fault, for debug output and test messages.
std::string_view describeFault(IconFault fault);

}  // namespace tessaro
