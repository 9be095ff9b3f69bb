#include <gtest/gtest.h>

#include <FreeImage.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

struct BitmapOwner {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapOwner>;

constexpr Rgba colors[4] = {
    {200, 30, 30, 255}, {30, 160, 60, 255}, {20, 40, 220, 255}, {240, 220, 40, 255}};
constexpr Rgba translucent[4] = {
    {200, 30, 30, 255}, {30, 160, 60, 200}, {20, 40, 220, 128}, {240, 220, 40, 0}};
constexpr Rgba twoColors[4] = {
    {0, 0, 0, 255}, {250, 250, 250, 255}, {250, 250, 250, 255}, {0, 0, 0, 255}};

// Masks the top left 4 x 4 pixels, so the AND mask shows in the picture.
IconPage withMaskedCorner(IconPage page) {
    page.mask.assign(page.pixels.size(), 0);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            page.mask[static_cast<size_t>(y) * page.width + x] = 1;
    return page;
}

// JPEG keeps colours close but not exact, most of all at the quadrants' sharp
// edges; a page flattened onto the wrong background or with the mask ignored
// is off by far more than this.
void expectPictureOnWhite(const fs::path& jpeg, const IconPage& page) {
    Bitmap loaded(FreeImage_Load(FIF_JPEG, jpeg.c_str(), 0));
    ASSERT_TRUE(loaded) << jpeg;
    Bitmap picture(FreeImage_ConvertTo24Bits(loaded.get()));
    ASSERT_EQ(static_cast<int32_t>(FreeImage_GetWidth(picture.get())), page.width) << jpeg;
    ASSERT_EQ(static_cast<int32_t>(FreeImage_GetHeight(picture.get())), page.height) << jpeg;
    int worst = 0;
    long total = 0;
    for (int32_t y = 0; y < page.height; ++y) {
        const BYTE* line = FreeImage_GetScanLine(picture.get(), page.height - 1 - y);
        for (int32_t x = 0; x < page.width; ++x) {
            const Rgba expected = onWhite(page, x, y);
            const BYTE* pixel = line + 3 * x;
            for (auto [got, want] : {std::pair<int, int>{pixel[FI_RGBA_RED], expected.red},
                                     {pixel[FI_RGBA_GREEN], expected.green},
                                     {pixel[FI_RGBA_BLUE], expected.blue}}) {
                worst = std::max(worst, std::abs(got - want));
                total += std::abs(got - want);
            }
        }
    }
    EXPECT_LE(worst, 48) << jpeg;
    EXPECT_LE(static_cast<double>(total) / (3.0 * page.width * page.height), 4.0) << jpeg;
}

struct IconKind {
    std::string name;
    std::vector<IconPage> pages;
};

std::vector<IconKind> iconKinds() {
    return {
        {"bits1", {withMaskedCorner(quadrantPage(16, 16, 1, twoColors))}},
        {"bits4", {withMaskedCorner(quadrantPage(16, 16, 4, colors))}},
        {"bits8", {withMaskedCorner(quadrantPage(32, 32, 8, colors))}},
        {"bits24", {withMaskedCorner(quadrantPage(32, 32, 24, colors))}},
        {"bits32", {quadrantPage(32, 32, 32, translucent)}},
        {"png", {quadrantPage(256, 256, 32, translucent, true)}},
        {"pages",
         {withMaskedCorner(quadrantPage(16, 16, 4, colors)), quadrantPage(32, 32, 32, translucent),
          withMaskedCorner(quadrantPage(48, 48, 8, colors)),
          quadrantPage(64, 64, 32, translucent, true)}},
    };
}

TEST(IconConversion, EveryKindOfPageComesOutFlattenedOntoWhite) {
    ScratchHome scratch;
    for (const IconKind& kind : iconKinds()) {
        const fs::path icon = scratch.root() / (kind.name + ".ico");
        ASSERT_TRUE(writeIcon(icon, kind.pages)) << kind.name;
        ProgramResult result = runTessaro(scratch, {"-q", "-i", icon.string()});
        ASSERT_EQ(result.exitStatus, 0)
            << kind.name << result.standardOutput << result.standardError;
        if (kind.pages.size() == 1) {
            expectPictureOnWhite(scratch.root() / (kind.name + ".jpg"), kind.pages[0]);
            continue;
        }
        for (size_t page = 0; page < kind.pages.size(); ++page) {
            expectPictureOnWhite(
                scratch.root() / (kind.name + "[" + std::to_string(page + 1) + "].jpg"),
                kind.pages[page]);
        }
    }
}

TEST(IconConversion, EveryPageFileGetsTheOriginalTime) {
    ScratchHome scratch;
    const fs::path icon = scratch.root() / "app.ico";
    ASSERT_TRUE(
        writeIcon(icon, {quadrantPage(16, 16, 8, colors), quadrantPage(32, 32, 32, translucent)}));
    // Whole seconds, as file times are kept.
    const fs::file_time_type original = std::chrono::time_point_cast<std::chrono::seconds>(
        fs::last_write_time(icon) - std::chrono::hours(24 * 400));
    fs::last_write_time(icon, original);
    ProgramResult result =
        runTessaro(scratch, {"-q", "-i", icon.string(), "--file-timestamp=ORIGINAL"});
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    for (const char* name : {"app[1].jpg", "app[2].jpg"})
        EXPECT_EQ(fs::last_write_time(scratch.root() / name), original) << name;
}

TEST(IconConversion, PageNumbersStayInTheFileNameInsideTheOutputFolder) {
    ScratchHome scratch;
    const std::vector<IconPage> pages = iconKinds().back().pages;
    ASSERT_TRUE(writeIcon(scratch.root() / "four.ico", pages));
    fs::create_directories(scratch.root() / "pn" / "bc");
    // A file where a page number in the folder part would have put page 1.
    fs::create_directories(scratch.root() / "pn" / "[1]bc");
    std::ofstream(scratch.root() / "pn" / "[1]bc" / "x") << "keep";
    ProgramResult result = runTessaro(
        scratch, {"-q", "-i", "four.ico", "-o", "pn/bc", "--filename-mask=x"}, scratch.root());
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    for (size_t page = 0; page < pages.size(); ++page)
        expectPictureOnWhite(scratch.root() / "pn" / "bc" / ("x[" + std::to_string(page + 1) + "]"),
                             pages[page]);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.root() / "pn"), {}), 2);
    EXPECT_EQ(fs::file_size(scratch.root() / "pn" / "[1]bc" / "x"), 4u);
}

}  // namespace
}  // namespace tessaro::test
