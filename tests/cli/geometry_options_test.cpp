#include <gtest/gtest.h>

#include <FreeImage.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/image.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"
#include "support/test_bitmaps.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

constexpr Rgba red{220, 20, 20, 255};
constexpr Rgba green{20, 200, 40, 255};
constexpr Rgba blue{20, 40, 230, 255};
constexpr Rgba yellow{240, 230, 30, 255};
constexpr Rgba white{255, 255, 255, 255};
// Top left, top right, bottom left, bottom right.
constexpr Rgba quadrants[4] = {red, green, blue, yellow};

// JPEG keeps flat colours close, not exact; a corner of the wrong quadrant or
// the background is off by far more than this.
constexpr int jpegTolerance = 40;

struct Converted {
    Image picture;  // 24 bits, or empty when the program wrote nothing readable
    std::string failure;
};

Converted convert(const ScratchHome& scratch, const std::string& name, const IconPage& page,
                  std::vector<std::string> options) {
    const fs::path icon = scratch.root() / (name + ".ico");
    if (!writeIcon(icon, {page})) {
        return {Image(), "the icon could not be written"};
    }
    std::vector<std::string> arguments = {"-q", "-i", icon.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const ProgramResult result = runTessaro(scratch, arguments);
    if (result.exitStatus != 0) {
        return {Image(), result.standardOutput + result.standardError};
    }
    const std::string jpeg = (scratch.root() / (name + ".jpg")).string();
    Image loaded(FreeImage_Load(FIF_JPEG, jpeg.c_str(), 0));
    if (!loaded) {
        return {Image(), "no readable " + jpeg};
    }
    return {Image(FreeImage_ConvertTo24Bits(loaded.get())), {}};
}

// The four corners, `inset` pixels in, in the order of `quadrants`.
std::array<Rgba, 4> cornersOf(const Image& picture, int inset) {
    const int right = static_cast<int>(FreeImage_GetWidth(picture.get())) - 1 - inset;
    const int top = static_cast<int>(FreeImage_GetHeight(picture.get())) - 1 - inset;
    return {pixelAt(picture, inset, top), pixelAt(picture, right, top),
            pixelAt(picture, inset, inset), pixelAt(picture, right, inset)};
}

struct GeometryRun {
    std::string name;
    std::vector<std::string> options;
    unsigned width;
    unsigned height;
    std::array<Rgba, 4> corners;
};

TEST(GeometryOptions, RotateResizeAndFlipAPageAsTheOptionsSay) {
    // A 32 by 16 page; rotation is the library's quarter turn to the left.
    const std::vector<GeometryRun> runs = {
        {"nothing", {}, 32, 16, {red, green, blue, yellow}},
        {"quarter_turn", {"--ROTATION=90"}, 16, 32, {green, yellow, red, blue}},
        {"full_turn", {"--ROTATION=360"}, 32, 16, {red, green, blue, yellow}},
        {"percent",
         {"--WIDTH=50", "--WIDTH-UNIT=PERCENT", "--HEIGHT=50", "--HEIGHT-UNIT=PERCENT",
          "--RESIZE-ALGORITHM=BOX"},
         16,
         8,
         {red, green, blue, yellow}},
        {"pixels", {"--WIDTH=20", "--HEIGHT=40"}, 20, 40, {red, green, blue, yellow}},
        {"proportions",
         {"--WIDTH=64", "--HEIGHT=64", "--KEEP-ASPECT-RATIO"},
         64,
         32,
         {red, green, blue, yellow}},
        {"large_only",
         {"--WIDTH=64", "--HEIGHT=64", "--RESIZE-TYPE=LARGEIMAGES"},
         32,
         16,
         {red, green, blue, yellow}},
        // Resizing sees the rotated page: half of 16 by 32.
        {"turn_then_resize",
         {"--ROTATION=90", "--WIDTH=50", "--WIDTH-UNIT=PERCENT", "--HEIGHT=50",
          "--HEIGHT-UNIT=PERCENT", "--RESIZE-ALGORITHM=BOX"},
         8,
         16,
         {green, yellow, red, blue}},
        {"flip_horizontal", {"--FLIP-HORIZONTAL"}, 32, 16, {green, red, yellow, blue}},
        {"flip_vertical", {"--FLIP-VERTICAL"}, 32, 16, {blue, yellow, red, green}},
        {"flip_both", {"--FLIP-HORIZONTAL", "--FLIP-VERTICAL"}, 32, 16, {yellow, blue, green, red}},
    };
    ScratchHome scratch;
    const IconPage page = quadrantPage(32, 16, 24, quadrants);
    for (const GeometryRun& run : runs) {
        const Converted result = convert(scratch, run.name, page, run.options);
        ASSERT_TRUE(result.picture) << run.name << ": " << result.failure;
        EXPECT_EQ(FreeImage_GetWidth(result.picture.get()), run.width) << run.name;
        EXPECT_EQ(FreeImage_GetHeight(result.picture.get()), run.height) << run.name;
        const std::array<Rgba, 4> corners = cornersOf(result.picture, 1);
        for (size_t corner = 0; corner < corners.size(); ++corner) {
            EXPECT_PRED3(isNear, corners[corner], run.corners[corner], jpegTolerance)
                << run.name << ", corner " << corner;
        }
    }
}

TEST(GeometryOptions, RotationShowsTheBackgroundColorOnlyOnOpaquePages) {
    ScratchHome scratch;
    const std::vector<std::string> options = {"--ROTATION=45", "--ROTATION-BACK-COLOR=00C000"};
    // A page without alpha shows the background colour in the corners; the
    // corners of a page with alpha are transparent, so they end up white.
    const Rgba background{0, 192, 0, 255};
    const std::vector<std::pair<int32_t, Rgba>> depths = {{24, background}, {32, white}};
    for (const auto& [depth, corner] : depths) {
        const std::string name = "tilted" + std::to_string(depth);
        const Converted result =
            convert(scratch, name, quadrantPage(32, 32, depth, quadrants), options);
        ASSERT_TRUE(result.picture) << name << ": " << result.failure;
        EXPECT_GT(FreeImage_GetWidth(result.picture.get()), 40u) << name;
        EXPECT_GT(FreeImage_GetHeight(result.picture.get()), 40u) << name;
        for (const Rgba& seen : cornersOf(result.picture, 1)) {
            EXPECT_PRED3(isNear, seen, corner, jpegTolerance) << name;
        }
    }
}

TEST(GeometryOptions, AdvancedRotationKeepsTheSizeWithoutBackground) {
    ScratchHome scratch;
    const IconPage page = filledPage(32, 32, 24, blue);
    const Converted result =
        convert(scratch, "mirrored", page,
                {"--ROTATION=30", "--ROTATION-TYPE=ADVANCED", "--ROTATION-BACK-COLOR=FF0000"});
    ASSERT_TRUE(result.picture) << result.failure;
    EXPECT_EQ(FreeImage_GetWidth(result.picture.get()), 32u);
    EXPECT_EQ(FreeImage_GetHeight(result.picture.get()), 32u);
    for (const Rgba& seen : cornersOf(result.picture, 0)) {
        EXPECT_PRED3(isNear, seen, blue, jpegTolerance);
    }
}

}  // namespace
}  // namespace tessaro::test
