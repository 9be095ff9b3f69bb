#include "engine/convert_image.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "engine/icon_check.h"
#include "engine/output_depth.h"
#include "engine/page_suffix.h"
#include "settings/reset_settings.h"
#include "settings/setting_codes.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using test::IconPage;
using test::Rgba;

const Rgba red{200, 30, 30, 255};
const Rgba green{20, 170, 40, 255};
const Rgba blue{30, 40, 210, 255};
const Rgba yellow{240, 220, 10, 255};
const Rgba quadrants[4] = {red, green, blue, yellow};

// Converts icons written into a private folder to JPEG beside them.
class ConvertImageFile : public testing::Test {
protected:
    void SetUp() override {
        folder_ = home_.root() / "icons";
        fs::create_directories(folder_);
        resetSettings(settings_, true);
        request_.output.formatKey = "jpg";
        ASSERT_TRUE(prepareOutput(settings_, request_.output));
        request_.output.folder = folder_.string() + "/";
    }

    fs::path write(const std::string& name, const std::vector<IconPage>& pages) {
        const fs::path path = folder_ / name;
        EXPECT_TRUE(test::writeIcon(path, pages));
        return path;
    }

    ConversionResult convert(const fs::path& icon) {
        request_.inputPath = icon.string();
        return convertImageFile(settings_, request_, nullptr);
    }

    std::set<std::string> filesInFolder() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            if (entry.is_regular_file())
                names.insert(fs::relative(entry.path(), folder_));
        }
        return names;
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // Converts an icon's bytes as page.ico; the bytes of the page.jpg it saved,
    // empty when it saved none.
    std::string convertToJpegBytes(const std::vector<uint8_t>& icon) {
        fs::remove(folder_ / "page.jpg");
        request_.inputPath = path("page.ico");
        lastResult_ = convertIconBytes(icon, settings_, request_, nullptr);
        std::ifstream jpeg(folder_ / "page.jpg", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(jpeg), {});
    }

    test::ScratchHome home_;
    fs::path folder_;
    Settings settings_;
    ConversionRequest request_;
    ConversionResult lastResult_;
};

struct Bitmap {
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap;
    RGBQUAD at(int32_t x, int32_t y) const {
        RGBQUAD color{};
        FreeImage_GetPixelColor(bitmap.get(), x, FreeImage_GetHeight(bitmap.get()) - 1 - y, &color);
        return color;
    }
};

Bitmap loadJpeg(const std::string& path) {
    Bitmap loaded{
        std::unique_ptr<FIBITMAP, BitmapDeleter>(FreeImage_Load(FIF_JPEG, path.c_str(), 0))};
    if (loaded.bitmap && FreeImage_GetBPP(loaded.bitmap.get()) != 24) {
        loaded.bitmap.reset(FreeImage_ConvertTo24Bits(loaded.bitmap.get()));
    }
    return loaded;
}

// The saved picture has the page's size and, at the centre of each quadrant
// (flat colour, away from the blocks where JPEG blurs edges), the page's
// colour as seen on white.
void expectJpegShows(const std::string& jpegPath, const IconPage& page) {
    const Bitmap jpeg = loadJpeg(jpegPath);
    ASSERT_TRUE(jpeg.bitmap) << jpegPath;
    ASSERT_EQ(FreeImage_GetWidth(jpeg.bitmap.get()), static_cast<unsigned>(page.width));
    ASSERT_EQ(FreeImage_GetHeight(jpeg.bitmap.get()), static_cast<unsigned>(page.height));
    for (int32_t quadrant = 0; quadrant < 4; ++quadrant) {
        const int32_t x = (quadrant % 2 * 2 + 1) * page.width / 4;
        const int32_t y = (quadrant / 2 * 2 + 1) * page.height / 4;
        const Rgba expected = test::onWhite(page, x, y);
        const RGBQUAD found = jpeg.at(x, y);
        SCOPED_TRACE(jpegPath + " at " + std::to_string(x) + "," + std::to_string(y));
        EXPECT_NEAR(found.rgbRed, expected.red, 12);
        EXPECT_NEAR(found.rgbGreen, expected.green, 12);
        EXPECT_NEAR(found.rgbBlue, expected.blue, 12);
    }
}

// Masks the top left quadrant of a page.
IconPage withMaskedQuadrant(IconPage page) {
    page.mask.assign(page.pixels.size(), 0);
    for (int32_t y = 0; y < page.height / 2; ++y) {
        for (int32_t x = 0; x < page.width / 2; ++x)
            page.mask[y * page.width + x] = 1;
    }
    return page;
}

TEST_F(ConvertImageFile, EveryPageKindComesOutAsItsPictureOnWhite) {
    const Rgba halfBlue{30, 40, 210, 128};
    const Rgba clear{10, 10, 10, 0};
    const Rgba withAlpha[4] = {red, halfBlue, clear, yellow};
    const Rgba twoColors[4] = {red, blue, blue, red};
    struct Row {
        std::string name;
        IconPage page;
    };
    const std::vector<Row> rows = {
        {"1 bit", test::quadrantPage(32, 32, 1, twoColors)},
        {"4 bits", test::quadrantPage(32, 32, 4, quadrants)},
        {"8 bits", test::quadrantPage(48, 32, 8, quadrants)},
        {"24 bits", test::quadrantPage(32, 48, 24, quadrants)},
        {"32 bits with alpha", test::quadrantPage(64, 64, 32, withAlpha)},
        {"PNG with alpha", test::quadrantPage(256, 256, 32, withAlpha, true)},
        {"1 bit masked", withMaskedQuadrant(test::quadrantPage(32, 32, 1, twoColors))},
        {"4 bits masked", withMaskedQuadrant(test::quadrantPage(32, 32, 4, quadrants))},
        {"8 bits masked", withMaskedQuadrant(test::quadrantPage(32, 32, 8, quadrants))},
        {"24 bits masked", withMaskedQuadrant(test::quadrantPage(32, 32, 24, quadrants))},
        // A 32-bit page's mask takes no part: its alpha decides.
        {"32 bits masked", withMaskedQuadrant(test::quadrantPage(32, 32, 32, withAlpha))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ConversionResult result = convert(write("page.ico", {row.page}));
        EXPECT_TRUE(result.converted);
        EXPECT_EQ(result.writtenFiles, std::vector<std::string>{path("page.jpg")});
        EXPECT_EQ(result.outputPath, path("page.jpg"));
        EXPECT_EQ(result.page.sourceDepth, row.page.bitCount);
        EXPECT_EQ(result.page.width, row.page.width);
        EXPECT_EQ(result.page.height, row.page.height);
        expectJpegShows(path("page.jpg"), row.page);
    }
}

// The decoder reads every classic page as uncompressed rows: pages stored in
// any other way are refused, but for bit fields in that very layout, which
// come out as the same pixels stored uncompressed.
TEST_F(ConvertImageFile, OnlyPagesStoredAsTheDecoderReadsThemConvert) {
    const Rgba twoColors[4] = {red, blue, blue, red};
    for (int32_t bitCount : {1, 4, 8, 16, 24, 32}) {
        const IconPage plain =
            test::quadrantPage(16, 16, bitCount, bitCount == 1 ? twoColors : quadrants);
        const std::string plainJpeg = convertToJpegBytes(test::encodeIcon({plain}));
        ASSERT_TRUE(lastResult_.converted) << bitCount;
        expectJpegShows(path("page.jpg"), plain);
        for (uint32_t compression : {1u, 2u, 3u, 4u, 5u, 6u, 99u}) {
            SCOPED_TRACE(std::to_string(bitCount) + " bits, compression " +
                         std::to_string(compression));
            IconPage page = plain;
            page.bitFields = compression == 3 && (bitCount == 16 || bitCount == 32);
            std::vector<uint8_t> bytes = test::encodeIcon({page});
            test::patchU32(bytes, test::pageDataAt(bytes, 0) + test::headerCompressionAt,
                           compression);
            const bool readable = page.bitFields;
            EXPECT_EQ(
                describeFault(checkIcon(bytes).pages.at(0).fault),
                describeFault(readable ? IconFault::none : IconFault::unsupportedCompression));
            const std::string jpeg = convertToJpegBytes(bytes);
            EXPECT_EQ(lastResult_.failure,
                      readable ? ConversionFailure::none : ConversionFailure::pageRefused);
            EXPECT_EQ(jpeg == plainJpeg, readable);
            EXPECT_EQ(jpeg.empty(), !readable);
        }
    }
}

// Version 4 and 5 bitmap headers (the latter with a colour profile, whose
// offset and size are never read) give the pixels of the same page with a
// 40-byte header, masked pixels included, at the depth the page states.
TEST_F(ConvertImageFile, PagesWithLargerBitmapHeadersShowTheirPixels) {
    const Rgba twoColors[4] = {red, blue, blue, red};
    for (int32_t bitCount : {1, 4, 8, 16, 24, 32}) {
        const IconPage plain = withMaskedQuadrant(
            test::quadrantPage(16, 16, bitCount, bitCount == 1 ? twoColors : quadrants));
        const std::string plainJpeg = convertToJpegBytes(test::encodeIcon({plain}));
        ASSERT_FALSE(plainJpeg.empty()) << bitCount;
        for (const test::BitmapHeader header :
             {test::BitmapHeader::version4, test::BitmapHeader::version5}) {
            for (const bool bitFields : {false, true}) {
                if (bitFields && bitCount != 16 && bitCount != 32)
                    continue;
                SCOPED_TRACE(std::to_string(bitCount) + " bits, header of " +
                             (header == test::BitmapHeader::version4 ? "108" : "124") +
                             (bitFields ? " bytes with bit fields" : " bytes"));
                IconPage page = plain;
                page.header = header;
                page.bitFields = bitFields;
                std::vector<uint8_t> bytes = test::encodeIcon({page});
                if (header == test::BitmapHeader::version5) {
                    const size_t profile = test::pageDataAt(bytes, 0) + test::headerProfileOffsetAt;
                    test::patchU32(bytes, profile, 0xFFFFFF00u);
                    test::patchU32(bytes, profile + 4, 0xFFFFFF00u);
                }
                EXPECT_EQ(convertToJpegBytes(bytes), plainJpeg);
                EXPECT_TRUE(lastResult_.converted);
                EXPECT_EQ(lastResult_.page.sourceDepth, bitCount);
            }
        }
    }
}

IconPage pngPage(test::PngLayout layout, const Rgba (&colors)[4]) {
    IconPage page = test::quadrantPage(24, 16, 32, colors, true);
    page.pngLayout = layout;
    return page;
}

// PNG pages of 16 bits per channel take every step as the 8-bit picture they
// show, whatever the output depth: grey levels as grey, RGB and RGBA as colour.
TEST_F(ConvertImageFile, SixteenBitPngPagesComeOutAsTheirPicture) {
    const Rgba greys[4] = {
        {40, 40, 40, 255}, {200, 200, 200, 255}, {90, 90, 90, 255}, {160, 160, 160, 255}};
    const Rgba withAlpha[4] = {red, {30, 40, 210, 128}, green, yellow};
    struct Row {
        std::string name;
        IconPage page;
        int32_t sourceBpp;
    };
    const std::vector<Row> rows = {
        {"grey", pngPage(test::PngLayout::grey16, greys), 8},
        {"RGB", pngPage(test::PngLayout::rgb16, quadrants), 24},
        {"RGBA", pngPage(test::PngLayout::rgba16, withAlpha), 32},
    };
    for (const Row& row : rows) {
        for (int32_t depth : {0, 8, 24}) {
            SCOPED_TRACE(row.name + " saved at " + std::to_string(depth) + " bits");
            settings_.output.jpgBpp = depth;
            ASSERT_TRUE(prepareOutput(settings_, request_.output));
            const ConversionResult result = convert(write("page.ico", {row.page}));
            EXPECT_TRUE(result.converted);
            EXPECT_EQ(result.page.sourceDepth, row.sourceBpp);
            if (depth != 8)
                expectJpegShows(path("page.jpg"), row.page);
        }
        // Flipped both ways, the quadrants trade places across the centre.
        SCOPED_TRACE(row.name + " flipped");
        settings_.transform.doImageFlipHorizontal = 1;
        settings_.transform.doImageFlipVertical = 1;
        EXPECT_TRUE(convert(write("page.ico", {row.page})).converted);
        IconPage flipped = row.page;
        std::reverse(flipped.pixels.begin(), flipped.pixels.end());
        expectJpegShows(path("page.jpg"), flipped);
        settings_.transform = {};
    }
}

std::vector<IconPage> pagesOfColors(size_t count) {
    const Rgba colors[5] = {red, green, blue, yellow, {120, 60, 160, 255}};
    std::vector<IconPage> pages;
    for (size_t index = 0; index < count; ++index) {
        const int32_t size = 16 * static_cast<int32_t>(index + 1);
        pages.push_back(test::filledPage(size, size, index % 2 ? 24 : 8, colors[index]));
    }
    return pages;
}

TEST_F(ConvertImageFile, AllFramesNumbersEveryPageFile) {
    const std::vector<IconPage> pages = pagesOfColors(3);
    const ConversionResult result = convert(write("name.ico", pages));
    EXPECT_TRUE(result.converted);
    EXPECT_EQ(
        result.writtenFiles,
        (std::vector<std::string>{path("name[1].jpg"), path("name[2].jpg"), path("name[3].jpg")}));
    EXPECT_EQ(result.outputPath, path("name.jpg"));
    for (size_t index = 0; index < pages.size(); ++index) {
        expectJpegShows(result.writtenFiles[index], pages[index]);
    }
    EXPECT_EQ(filesInFolder(),
              (std::set<std::string>{"name.ico", "name[1].jpg", "name[2].jpg", "name[3].jpg"}));
}

TEST_F(ConvertImageFile, NonAsciiPathsOpenEveryPage) {
    const ConversionResult result = convert(write("bild-äöü 图.ico", pagesOfColors(2)));
    EXPECT_TRUE(result.converted);
    EXPECT_EQ(result.writtenFiles,
              (std::vector<std::string>{path("bild-äöü 图[1].jpg"), path("bild-äöü 图[2].jpg")}));
}

TEST_F(ConvertImageFile, SinglePageSelectionsWriteOneFileWithoutNumber) {
    struct Row {
        int32_t frameLoading;
        size_t pageCount;
        size_t expectedPage;
    };
    const std::vector<Row> rows = {
        {0, 1, 0}, {1, 4, 0}, {2, 1, 0}, {2, 2, 0}, {2, 3, 1},
        {2, 4, 1}, {2, 5, 2}, {3, 4, 3}, {7, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.frameLoading) + " of " +
                     std::to_string(row.pageCount) + " pages");
        settings_.input.icoFrameLoading = row.frameLoading;
        const std::vector<IconPage> pages = pagesOfColors(row.pageCount);
        fs::remove(path("name.jpg"));
        const ConversionResult result = convert(write("name.ico", pages));
        EXPECT_TRUE(result.converted);
        EXPECT_EQ(result.writtenFiles, std::vector<std::string>{path("name.jpg")});
        expectJpegShows(path("name.jpg"), pages[row.expectedPage]);
    }
}

TEST_F(ConvertImageFile, RandomFrameConvertsOneOfThePages) {
    settings_.input.icoFrameLoading = storedCode(FrameLoading::random);
    const std::vector<IconPage> pages = pagesOfColors(5);
    std::set<int32_t> widthsSeen;
    for (int attempt = 0; attempt < 40; ++attempt) {
        const ConversionResult result = convert(write("name.ico", pages));
        ASSERT_TRUE(result.converted);
        ASSERT_EQ(result.writtenFiles, std::vector<std::string>{path("name.jpg")});
        widthsSeen.insert(result.page.width);
    }
    EXPECT_GT(widthsSeen.size(), 1u);
    for (int32_t width : widthsSeen)
        EXPECT_TRUE(width % 16 == 0 && width <= 80) << width;
}

TEST_F(ConvertImageFile, FailedSaveLeavesTheExistingFileAndNoTemporaryFile) {
    const fs::path icon = write("name.ico", {test::filledPage(16, 16, 24, red)});
    std::ofstream(folder_ / "name.jpg") << "earlier result";
    request_.output.fif = FIF_UNKNOWN;
    const ConversionResult result = convert(icon);
    EXPECT_FALSE(result.converted);
    EXPECT_EQ(result.failure, ConversionFailure::saveFailed);
    ASSERT_EQ(result.failedPages.size(), 1u);
    EXPECT_EQ(result.failedPages[0].path, path("name.jpg"));
    EXPECT_EQ(result.failedPages[0].reason, "the page could not be encoded");
    EXPECT_TRUE(result.writtenFiles.empty());
    std::ifstream earlier(folder_ / "name.jpg");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "earlier result");
    EXPECT_EQ(filesInFolder(), (std::set<std::string>{"name.ico", "name.jpg"}));
}

TEST_F(ConvertImageFile, SuccessfulSaveReplacesTheExistingFile) {
    const IconPage page = test::quadrantPage(32, 32, 24, quadrants);
    std::ofstream(folder_ / "name.jpg") << "earlier result";
    EXPECT_TRUE(convert(write("name.ico", {page})).converted);
    expectJpegShows(path("name.jpg"), page);
    EXPECT_EQ(filesInFolder(), (std::set<std::string>{"name.ico", "name.jpg"}));
}

TEST_F(ConvertImageFile, NeverOverwritesTheInputFile) {
    const fs::path icon = write("same.jpg", {test::filledPage(16, 16, 24, red)});
    const auto before = fs::file_size(icon);
    const ConversionResult result = convert(icon);
    EXPECT_FALSE(result.converted);
    EXPECT_EQ(result.failure, ConversionFailure::wouldOverwriteInput);
    EXPECT_EQ(fs::file_size(icon), before);
    EXPECT_EQ(filesInFolder(), std::set<std::string>{"same.jpg"});
}

TEST_F(ConvertImageFile, ConvertedOnlyWhenEverySelectedPageWasSaved) {
    std::vector<uint8_t> bytes = test::encodeIcon(pagesOfColors(2));
    test::patchU16(bytes, test::pageDataAt(bytes, 1) + test::headerBitCountAt, 5);
    ASSERT_TRUE(test::writeBytes(folder_ / "name.ico", bytes));
    const ConversionResult result = convert(folder_ / "name.ico");
    EXPECT_FALSE(result.converted);
    EXPECT_EQ(result.failure, ConversionFailure::pageRefused);
    ASSERT_EQ(result.failedPages.size(), 1u);
    EXPECT_EQ(result.failedPages[0].path, path("name.ico"));
    EXPECT_EQ(result.failedPages[0].reason, "page 2: unsupported bit count");
    EXPECT_EQ(result.writtenFiles, std::vector<std::string>{path("name[1].jpg")});

    settings_.input.icoFrameLoading = storedCode(FrameLoading::first);
    fs::remove(path("name[1].jpg"));
    EXPECT_TRUE(convert(folder_ / "name.ico").converted);
}

TEST_F(ConvertImageFile, CreatesFoldersBelowTheOutputFolderOnly) {
    const fs::path icon = write("name.ico", {test::filledPage(16, 16, 24, red)});
    settings_.advanced.filenameMask = "sub/deeper/%filename%.%ext%";
    ConversionResult result = convert(icon);
    EXPECT_TRUE(result.converted);
    EXPECT_EQ(result.writtenFiles, std::vector<std::string>{path("sub/deeper/name.jpg")});

    request_.output.folder = (folder_ / "missing").string() + "/";
    result = convert(icon);
    EXPECT_FALSE(result.converted);
    EXPECT_EQ(result.failure, ConversionFailure::outputFolderMissing);
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(ConvertImageFile, MalformedIconsConvertNothingAndLeaveNothing) {
    for (const test::MalformedIcon& icon : test::malformedIcons()) {
        SCOPED_TRACE(icon.name);
        ASSERT_TRUE(test::writeBytes(folder_ / "bad.ico", icon.bytes));
        const ConversionResult result = convert(folder_ / "bad.ico");
        EXPECT_FALSE(result.converted);
        EXPECT_TRUE(result.writtenFiles.empty());
        EXPECT_NE(result.failure, ConversionFailure::none);
        EXPECT_EQ(filesInFolder(), std::set<std::string>{"bad.ico"});
        EXPECT_EQ(result.outputPath, "");
    }
}

TEST_F(ConvertImageFile, BytesInMemoryConvertUnderTheNameOfTheirInputFile) {
    const IconPage page = test::quadrantPage(16, 16, 24, quadrants);
    request_.inputPath = path("memory.ico");
    EXPECT_TRUE(convertIconBytes(test::encodeIcon({page}), settings_, request_, nullptr).converted);
    expectJpegShows(path("memory.jpg"), page);

    // The file the bytes stand for is still never written over.
    std::ofstream(folder_ / "named.jpg") << "input";
    request_.inputPath = path("named.jpg");
    const ConversionResult result =
        convertIconBytes(test::encodeIcon({page}), settings_, request_, nullptr);
    EXPECT_EQ(result.failure, ConversionFailure::wouldOverwriteInput);
    EXPECT_EQ(fs::file_size(folder_ / "named.jpg"), 5u);
}

TEST_F(ConvertImageFile, AnInputThatCannotBeReadSaysWhy) {
    fs::create_directory(folder_ / "folder.ico");
    const std::pair<std::string, std::string> rows[] = {
        {"absent.ico", "No such file or directory"},
        {"folder.ico", "not a regular file"},
    };
    for (const auto& [name, reason] : rows) {
        const ConversionResult result = convert(folder_ / name);
        EXPECT_FALSE(result.converted) << name;
        EXPECT_EQ(result.failure, ConversionFailure::unreadableFile) << name;
        ASSERT_EQ(result.failedPages.size(), 1u) << name;
        EXPECT_EQ(result.failedPages[0].reason, reason) << name;
    }
}

TEST(PageSuffix, LandsBeforeTheFormatExtensionElseAtTheEndOfTheFileName) {
    struct Row {
        std::string path;
        std::string formatKey;
        int32_t page;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"/out/app.jpg", "jpg", 2, "/out/app[2].jpg"},
        {"/out/app.JPG", "jpg", 1, "/out/app[1].JPG"},
        {"/out/app.jpeg", "jpeg", 12, "/out/app[12].jpeg"},
        {"x.jpg", "jpg", 1, "x[1].jpg"},
        {"/out/.jpg", "jpg", 1, "/out/[1].jpg"},
        // Without the format's extension the number ends the file name.
        {"/out/app.jpeg", "jpg", 1, "/out/app.jpeg[1]"},
        {"/out/icon_x", "jpg", 1, "/out/icon_x[1]"},
        {"/out/xjpg", "jpg", 1, "/out/xjpg[1]"},
        {"ab", "jpg", 3, "ab[3]"},
        {"/out/bild-äöü", "jpg", 1, "/out/bild-äöü[1]"},
        // Folder parts never take it, dots and extensions in them included.
        {"pn/bc/x", "jpg", 4, "pn/bc/x[4]"},
        {"/out/a.b/x", "jpg", 1, "/out/a.b/x[1]"},
        {"/out/a.jpg/x", "jpg", 1, "/out/a.jpg/x[1]"},
        {"/out/sub/", "jpg", 1, "/out/sub/[1]"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(withPageNumber(row.path, row.formatKey, row.page), row.expected) << row.path;
    }
}

}  // namespace
}  // namespace tessaro
