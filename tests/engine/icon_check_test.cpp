#include "engine/icon_check.h"

#include <gtest/gtest.h>

#include <FreeImage.h>

#include <map>
#include <random>

#include "engine/icon_decoder.h"
#include "engine/readable_icon.h"
#include "support/icon_writer.h"

namespace tessaro {
namespace {

using test::filledPage;
using test::IconPage;
using test::Rgba;

const Rgba red{200, 30, 30, 255};

TEST(IconCheck, AcceptsEveryPageKindAndReportsItsSizeAndDepth) {
    const std::vector<test::IconPage> pages = {
        filledPage(16, 16, 1, red),  filledPage(20, 12, 4, red),
        filledPage(33, 17, 8, red),  filledPage(31, 31, 24, red),
        filledPage(48, 48, 32, red), filledPage(256, 256, 32, red, true)};
    const std::vector<uint8_t> bytes = test::encodeIcon(pages);
    const IconCheck check = checkIcon(bytes);
    ASSERT_TRUE(check.valid()) << describeFault(check.fault);
    ASSERT_EQ(check.pages.size(), pages.size());
    for (size_t index = 0; index < pages.size(); ++index) {
        const IconPageCheck& page = check.pages[index];
        EXPECT_TRUE(page.valid()) << index << ": " << describeFault(page.fault);
        EXPECT_EQ(page.width, pages[index].width);
        EXPECT_EQ(page.height, pages[index].height);
        EXPECT_EQ(page.bitCount, pages[index].bitCount);
        EXPECT_EQ(page.png, pages[index].png);
        EXPECT_FALSE(page.maskMarksPixels);
    }
}

TEST(IconCheck, FindsMaskedPixelsOfClassicPagesOnly) {
    IconPage oneMaskedPixel = filledPage(17, 5, 4, red);
    oneMaskedPixel.mask.assign(17 * 5, 0);
    oneMaskedPixel.mask[17 * 4 + 16] = 1;  // the last pixel of the bottom row
    const std::vector<uint8_t> bytes =
        test::encodeIcon({filledPage(16, 16, 8, red, false, true), oneMaskedPixel,
                          filledPage(16, 16, 32, red, false, true), filledPage(24, 24, 24, red)});
    const IconCheck check = checkIcon(bytes);
    ASSERT_EQ(check.pages.size(), 4u);
    EXPECT_TRUE(check.pages[0].maskMarksPixels);
    EXPECT_TRUE(check.pages[1].maskMarksPixels);
    EXPECT_FALSE(check.pages[2].maskMarksPixels);  // 32-bit pages carry their own alpha
    EXPECT_FALSE(check.pages[3].maskMarksPixels);
}

TEST(IconCheck, IgnoresSetPaddingBitsOfTheMask) {
    // A 17-pixel row of the mask takes 4 bytes; bits past the 17th mark no pixel.
    std::vector<uint8_t> bytes = test::encodeIcon({filledPage(17, 2, 24, red)});
    const size_t maskStart = bytes.size() - 2 * 4;
    for (size_t row = 0; row < 2; ++row) {
        bytes[maskStart + row * 4 + 2] = 0x7F;
        bytes[maskStart + row * 4 + 3] = 0xFF;
    }
    const IconCheck check = checkIcon(bytes);
    ASSERT_EQ(check.pages.size(), 1u);
    EXPECT_TRUE(check.pages[0].valid());
    EXPECT_FALSE(check.pages[0].maskMarksPixels);
}

TEST(IconCheck, RefusesEveryMalformedFixtureWithItsCause) {
    const std::map<std::string, IconFault> expected = {
        {"empty file", IconFault::truncatedHeader},
        {"random bytes", IconFault::reservedNotZero},
        {"bare PNG file", IconFault::reservedNotZero},
        {"truncated header", IconFault::truncatedHeader},
        {"truncated directory", IconFault::directoryBeyondFile},
        {"truncated bitmap", IconFault::entryBeyondFile},
        {"truncated AND mask", IconFault::entryBeyondFile},
        {"truncated PNG page", IconFault::entryBeyondFile},
        {"reserved field set", IconFault::reservedNotZero},
        {"cursor type", IconFault::notAnIcon},
        {"zero pages", IconFault::noPages},
        {"65535 pages", IconFault::directoryBeyondFile},
        {"entry beyond the file", IconFault::entryBeyondFile},
        {"entry offset and size overflow", IconFault::entryBeyondFile},
        {"entry size beyond the file", IconFault::entryBeyondFile},
        {"entry size zero", IconFault::entryTooSmall},
        {"entry inside the directory", IconFault::entryInsideDirectory},
        {"bitmap header size zero", IconFault::bitmapHeaderSize},
        {"bitmap header size huge", IconFault::bitmapHeaderSize},
        {"absurd width", IconFault::badWidth},
        {"negative width", IconFault::badWidth},
        {"zero width", IconFault::badWidth},
        {"absurd height", IconFault::badHeight},
        {"negative height", IconFault::badHeight},
        {"height of one row pair", IconFault::badHeight},
        {"zero planes", IconFault::badPlanes},
        {"bit count 0", IconFault::badBitCount},
        {"bit count 3", IconFault::badBitCount},
        {"bit count 7", IconFault::badBitCount},
        {"bit count 12", IconFault::badBitCount},
        {"bit count 31", IconFault::badBitCount},
        {"bit count 64", IconFault::badBitCount},
        {"oversized palette", IconFault::paletteTooLarge},
        {"unknown compression", IconFault::unsupportedCompression},
        {"bit fields of another layout", IconFault::unsupportedBitFields},
        {"larger bitmap header cut short", IconFault::entryTooSmall},
        {"palette beyond the entry", IconFault::paletteBeyondEntry},
        {"XOR bitmap beyond the entry", IconFault::pixelsBeyondEntry},
        {"AND mask beyond the entry", IconFault::maskBeyondEntry},
        {"PNG page claiming 10000 x 10000 pixels", IconFault::tooManyPixels},
        {"PNG page claiming 100000 x 100000 pixels", IconFault::badWidth},
        {"PNG page of zero width", IconFault::badWidth},
        {"overlapping entries", IconFault::entriesOverlap},
        {"entries sharing one page", IconFault::entriesOverlap},
    };
    const std::vector<test::MalformedIcon> table = test::malformedIcons();
    EXPECT_EQ(table.size(), expected.size());
    for (const test::MalformedIcon& icon : table) {
        SCOPED_TRACE(icon.name);
        ASSERT_TRUE(expected.contains(icon.name));
        const IconCheck check = checkIcon(icon.bytes);
        const IconFault found =
            check.valid() && check.pages.size() == 1 ? check.pages[0].fault : check.fault;
        EXPECT_EQ(describeFault(found), describeFault(expected.at(icon.name)));
        EXPECT_FALSE(check.valid() && check.pages[0].valid());
    }
}

TEST(IconCheck, RefusesOnlyTheBrokenPageOfAnOtherwiseSoundIcon) {
    std::vector<uint8_t> bytes =
        test::encodeIcon({filledPage(16, 16, 8, red), filledPage(32, 32, 24, red)});
    test::patchU16(bytes, test::pageDataAt(bytes, 1) + test::headerBitCountAt, 5);
    const IconCheck check = checkIcon(bytes);
    ASSERT_TRUE(check.valid());
    ASSERT_EQ(check.pages.size(), 2u);
    EXPECT_TRUE(check.pages[0].valid());
    EXPECT_EQ(check.pages[1].fault, IconFault::badBitCount);
}

TEST(IconCheck, BoundsThePageCountEvenWhenTheDirectoryFits) {
    std::vector<uint8_t> bytes = test::encodeIcon({filledPage(16, 16, 8, red)});
    const size_t pages = maxIconPages + 1;
    bytes.resize(test::directoryEntryAt(pages) + 2048);
    test::patchU16(bytes, 4, static_cast<uint16_t>(pages));
    EXPECT_EQ(checkIcon(bytes).fault, IconFault::tooManyPages);
}

// Random damage to a sound icon: whatever the check lets through, the decoder
// reads as the check saw it. Run under the sanitizer build, this also shows
// that no accepted page makes the decoder touch memory it should not.
TEST(IconCheck, AcceptedPagesOfDamagedIconsDecodeAtTheSizeTheCheckSaw) {
    IconPage version5 = filledPage(20, 20, 8, red);
    version5.header = test::BitmapHeader::version5;
    IconPage bitFields = filledPage(12, 12, 16, red);
    bitFields.bitFields = true;
    const std::vector<uint8_t> sound = test::encodeIcon(
        {filledPage(16, 16, 1, red, false, true), filledPage(20, 12, 4, red),
         filledPage(24, 24, 8, red), filledPage(32, 32, 24, red), filledPage(32, 32, 32, red),
         filledPage(40, 40, 32, red, true), version5, bitFields});
    std::mt19937 random(2024);
    int acceptedPages = 0;
    for (int round = 0; round < 1500; ++round) {
        std::vector<uint8_t> bytes = sound;
        const int damages = 1 + static_cast<int>(random() % 4);
        for (int damage = 0; damage < damages; ++damage) {
            // Most damage goes to the header, directory and bitmap headers.
            const size_t span = random() % 3 == 0 ? bytes.size() : 200;
            bytes[random() % span] = static_cast<uint8_t>(random());
        }
        if (random() % 8 == 0)
            bytes.resize(random() % bytes.size());
        const IconCheck check = checkIcon(bytes);
        if (!check.valid())
            continue;
        const std::vector<uint8_t> readable = decoderReadableIcon(bytes, check);
        for (int flags : {0, ICO_MAKEALPHA}) {
            std::optional<IconDecoder> decoder = openIconDecoder(readable, flags);
            ASSERT_TRUE(decoder) << round;
            for (size_t page = 0; page < check.pages.size(); ++page) {
                if (!check.pages[page].valid())
                    continue;
                ++acceptedPages;
                const Image image = clonePage(*decoder, static_cast<int32_t>(page));
                if (!image)
                    continue;  // a damaged PNG page fails its own checksums
                EXPECT_EQ(FreeImage_GetWidth(image.get()),
                          static_cast<unsigned>(check.pages[page].width))
                    << round << " page " << page;
                EXPECT_EQ(FreeImage_GetHeight(image.get()),
                          static_cast<unsigned>(check.pages[page].height))
                    << round << " page " << page;
            }
        }
    }
    EXPECT_GT(acceptedPages, 1000);
}

}  // namespace
}  // namespace tessaro
