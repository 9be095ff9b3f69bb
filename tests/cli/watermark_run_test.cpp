#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>

#include "engine/image.h"
#include "support/bitmap_pixels.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

class WatermarkRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeIcon(icon_, {filledPage(64, 64, 32, Rgba{255, 255, 255, 255})}));
    }

    ProgramResult convert(std::vector<std::string> options) {
        std::vector<std::string> arguments{"-i", icon_.string(), "-o", home_.root().string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return runTessaro(home_, arguments);
    }

    Image output() const {
        return Image(FreeImage_Load(FIF_JPEG, (home_.root() / "page.jpg").c_str(), 0));
    }

    ScratchHome home_;
    std::filesystem::path icon_ = home_.root() / "page.ico";
};

TEST_F(WatermarkRun, AFaceThatIsNotInstalledStopsTheRun) {
    const ProgramResult result = convert({"--WM-TEXT=Hello", "--WM-FONT=Qwerty Imaginary Grotesk"});
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_NE(result.standardError.find("Error: Invalid watermark font"), std::string::npos)
        << result.standardError;
    EXPECT_FALSE(std::filesystem::exists(home_.root() / "page.jpg"));
}

TEST_F(WatermarkRun, DrawsTheTextBlockInTheBottomRightCorner) {
    const ProgramResult result =
        convert({"--WM-TEXT=Hi", "--WM-FONT=Arial", "--WM-BACK-COLOR=0000FF",
                 "--WM-BACK-OPACITY=255", "--WM-TEXT-PADDING=3"});
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    Image image = output();
    ASSERT_TRUE(image);
    // The block ends 10 pixels from the right and bottom edges.
    const RGBQUAD inside = pixelAt(image, 64 - 11 - 1, 64 - 11 - 1);
    EXPECT_GT(inside.rgbBlue, 180);
    EXPECT_LT(inside.rgbRed, 90);
    const RGBQUAD outside = pixelAt(image, 64 - 5, 64 - 5);
    EXPECT_GT(outside.rgbRed, 200);
    EXPECT_GT(pixelAt(image, 5, 5).rgbBlue, 240);
    EXPECT_GT(pixelAt(image, 5, 5).rgbRed, 240);
}

// The text block is drawn only as far as the page shows it: drawn whole, a
// padding of 12000 pixels asks for gigabytes.
TEST_F(WatermarkRun, AHugePaddingConvertsWithinAGibibyteOfAddressSpace) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space for its shadow memory";
#endif
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = rlim_t{1} << 30;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &limited), 0);
    const ProgramResult result =
        convert({"--WM-TEXT=Hello", "--WM-FONT=Arial", "--WM-BACK-COLOR=0000FF",
                 "--WM-BACK-OPACITY=255", "--WM-TEXT-PADDING=12000"});
    setrlimit(RLIMIT_AS, &previous);
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    Image image = output();
    ASSERT_TRUE(image);
    // The block's top-left 54 x 54 pixels, all padding, fill the page up to 10
    // pixels from its right and bottom edges.
    for (const auto& [x, y] : {std::pair{0, 0}, {30, 20}, {50, 50}}) {
        EXPECT_GT(pixelAt(image, x, y).rgbBlue, 200) << x << "," << y;
        EXPECT_LT(pixelAt(image, x, y).rgbRed, 60) << x << "," << y;
    }
    EXPECT_GT(pixelAt(image, 60, 60).rgbRed, 200);
}

}  // namespace
}  // namespace tessaro::test
