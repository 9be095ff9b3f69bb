#include "engine/output_depth.h"

#include <gtest/gtest.h>

#include <FreeImage.h>

#include <filesystem>
#include <string>

namespace tessaro::test {
namespace {

enum class Pixels { colorPalette, greyPalette, color, colorRgb16 };

// A small page of the given depth whose content is what its kind says: a
// palette of reds and blues, a grey ramp, or coloured pixels.
Image makePage(Pixels kind, unsigned bpp) {
    constexpr int size = 8;
    if (kind == Pixels::colorRgb16) {
        Image page(FreeImage_AllocateT(FIT_RGB16, size, size));
        for (int y = 0; y < size; ++y) {
            auto* line = reinterpret_cast<FIRGB16*>(FreeImage_GetScanLine(page.get(), y));
            for (int x = 0; x < size; ++x) {
                line[x] = FIRGB16{static_cast<WORD>(x * 8000), 0, 60000};
            }
        }
        return page;
    }
    Image page(FreeImage_Allocate(size, size, static_cast<int>(bpp)));
    if (bpp <= 8) {
        RGBQUAD* palette = FreeImage_GetPalette(page.get());
        unsigned colors = FreeImage_GetColorsUsed(page.get());
        for (unsigned i = 0; i < colors; ++i) {
            BYTE level = static_cast<BYTE>(i * 255 / (colors - 1));
            bool grey = kind == Pixels::greyPalette;
            palette[i] = RGBQUAD{static_cast<BYTE>(grey ? level : 255 - level),
                                 grey ? level : BYTE{0}, level, 0};
        }
        for (unsigned y = 0; y < size; ++y) {
            for (unsigned x = 0; x < size; ++x) {
                BYTE index = static_cast<BYTE>((x + y) % colors);
                FreeImage_SetPixelIndex(page.get(), x, y, &index);
            }
        }
        return page;
    }
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            RGBQUAD color{static_cast<BYTE>(x * 30), 40, static_cast<BYTE>(200 - y * 20), 255};
            FreeImage_SetPixelColor(page.get(), x, y, &color);
        }
    }
    return page;
}

// A run's output in `formatKey`, at the chosen depth or with automatic depth.
OutputRequest outputFor(std::string_view formatKey, int32_t chosenDepth, bool automatic) {
    OutputRequest output;
    output.formatKey = formatKey;
    output.bitDepth = automatic ? 0 : chosenDepth;
    return output;
}

TEST(OutputDepth, RunPreparationReadsTheFormatsSettings) {
    Settings settings;
    OutputRequest output;
    output.formatKey = "jpg";
    ASSERT_TRUE(prepareOutput(settings, output));
    EXPECT_EQ(output.fif, FIF_JPEG);
    EXPECT_EQ(output.bitDepth, 0);
    EXPECT_TRUE(output.automaticDepth());
    EXPECT_EQ(output.saveFlags, 65631);

    settings.output.jpgBpp = 24;
    settings.output.pngBpp = 8;
    ASSERT_TRUE(prepareOutput(settings, output));
    EXPECT_EQ(output.bitDepth, 24);
    EXPECT_FALSE(output.automaticDepth());

    output.formatKey = "png";
    ASSERT_TRUE(prepareOutput(settings, output));
    EXPECT_EQ(output.fif, FIF_PNG);
    EXPECT_EQ(output.bitDepth, 8);
    EXPECT_EQ(output.saveFlags, 0x100);

    // A format with a depth setting but no encoder row is not a run's format.
    EXPECT_EQ(bitDepthSetting("psd"), &OutputSettings::psdBpp);
    EXPECT_EQ(bitDepthSetting("tif"), nullptr);
    for (const char* key : {"psd", "JPG", ""}) {
        OutputRequest refused;
        refused.formatKey = key;
        EXPECT_FALSE(prepareOutput(settings, refused)) << key;
        EXPECT_EQ(refused.fif, 0);
        EXPECT_EQ(refused.saveFlags, 0);
    }
}

TEST(OutputDepth, AutomaticDepthFollowsTheAllowedList) {
    struct Case {
        std::string_view key;
        int32_t source;
        int32_t expected;
    };
    const Case cases[] = {
        {"jpg", 1, 8},   {"jpg", 4, 8},   {"jpg", 8, 8},  {"jpg", 16, 24}, {"jpg", 24, 24},
        {"jpg", 32, 24}, {"jpg", 48, 24}, {"png", 4, 4},  {"png", 16, 24}, {"png", 64, 48},
        {"png", 1, 1},   {"exr", 8, 96},  {"gif", 32, 8}, {"jxr", 96, 96}, {"psd", 8, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(autoTargetDepth(c.key, c.source), c.expected) << c.key << " " << c.source;
    }
}

TEST(OutputDepth, ConvertsToTheTargetDepthAndColorType) {
    struct Case {
        const char* what;
        Pixels kind;
        unsigned sourceBpp;
        std::string_view key;
        int32_t targetBpp;
        bool automatic;
        unsigned expectedBpp;
        FREE_IMAGE_COLOR_TYPE expectedColor;
        int32_t expectedTargetBpp;
    };
    const Case cases[] = {
        {"palette page at its depth stays palette", Pixels::colorPalette, 8, "jpg", 8, true, 8,
         FIC_PALETTE, 8},
        {"widened palette page stays colour", Pixels::color, 24, "jpg", 8, true, 24, FIC_RGB, 24},
        {"widened page in 32 bits stays colour", Pixels::color, 32, "jp2", 8, true, 24, FIC_RGB,
         24},
        {"widened page for jxr stays colour", Pixels::color, 24, "jxr", 8, true, 24, FIC_RGB, 24},
        {"greyscale page is written at 8", Pixels::greyPalette, 8, "jpg", 8, true, 8,
         FIC_MINISBLACK, 8},
        {"16-colour page widens its palette", Pixels::colorPalette, 4, "jpg", 8, true, 8,
         FIC_PALETTE, 8},
        {"widened 16-colour page for png stays colour", Pixels::color, 24, "png", 4, true, 24,
         FIC_RGB, 24},
        {"widened 2-colour page for bmp stays colour", Pixels::color, 32, "bmp", 1, true, 24,
         FIC_RGB, 24},
        {"still a 2-colour page", Pixels::colorPalette, 1, "png", 1, true, 1, FIC_PALETTE, 1},
        {"wbmp has no colour depth", Pixels::color, 24, "wbmp", 1, true, 1, FIC_MINISBLACK, 1},
        {"automatic 16 bits keep colour", Pixels::color, 24, "tga", 16, true, 16, FIC_RGB, 16},
        {"32-bit page for jpg", Pixels::color, 32, "jpg", 24, true, 24, FIC_RGB, 24},
        {"chosen 8 bits for jpg is grey", Pixels::color, 24, "jpg", 8, false, 8, FIC_MINISBLACK, 8},
        {"automatic 8 bits for png quantizes", Pixels::color, 24, "png", 8, true, 8, FIC_PALETTE,
         8},
        {"chosen 8 bits for png from 32", Pixels::color, 32, "png", 8, false, 8, FIC_PALETTE, 8},
        {"palette to 4 bits", Pixels::colorPalette, 8, "png", 4, false, 4, FIC_PALETTE, 4},
        {"dither to 1 bit", Pixels::color, 24, "png", 1, false, 1, FIC_MINISBLACK, 1},
        {"palette to 32 bits", Pixels::colorPalette, 8, "png", 32, false, 32, FIC_RGB, 32},
        {"16 bits for bmp", Pixels::color, 24, "bmp", 16, false, 16, FIC_RGB, 16},
        {"48 bits down to 16", Pixels::colorRgb16, 48, "bmp", 16, false, 16, FIC_RGB, 16},
        {"24 to 48 bits", Pixels::color, 24, "png", 48, false, 48, FIC_RGB, 48},
        {"24 to 96 bits", Pixels::color, 24, "exr", 96, false, 96, FIC_RGB, 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t depth = c.targetBpp;
        Image result = convertToTargetDepth(makePage(c.kind, c.sourceBpp),
                                            outputFor(c.key, c.targetBpp, c.automatic), depth);
        ASSERT_TRUE(result);
        EXPECT_EQ(FreeImage_GetBPP(result.get()), c.expectedBpp);
        EXPECT_EQ(FreeImage_GetColorType(result.get()), c.expectedColor);
        EXPECT_EQ(depth, c.expectedTargetBpp);
    }
}

TEST(OutputDepth, SixteenBitsFollowTheFormatsPixelLayout) {
    struct Case {
        std::string_view key;
        unsigned greenMask;
    };
    const Case cases[] = {{"ico", FI16_555_GREEN_MASK},
                          {"tga", FI16_555_GREEN_MASK},
                          {"bmp", FI16_565_GREEN_MASK},
                          {"jxr", FI16_565_GREEN_MASK}};
    for (const Case& c : cases) {
        int32_t depth = 16;
        Image result =
            convertToTargetDepth(makePage(Pixels::color, 24), outputFor(c.key, 16, false), depth);
        ASSERT_TRUE(result) << c.key;
        EXPECT_EQ(FreeImage_GetGreenMask(result.get()), c.greenMask) << c.key;
    }
}

TEST(OutputDepth, UnknownDepthOrNoImageGivesNoImage) {
    int32_t unknown = 13;
    EXPECT_FALSE(
        convertToTargetDepth(makePage(Pixels::color, 24), outputFor("jpg", 13, false), unknown));
    int32_t automatic = 8;
    EXPECT_FALSE(convertToTargetDepth(Image(), outputFor("jpg", 8, true), automatic));
    EXPECT_EQ(automatic, 8);
}

// What matters to the user is the file: a colour page saved in automatic mode
// must come back in colour, a grey page in grey.
TEST(OutputDepth, SavedJpegKeepsColorPagesInColor) {
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("tessaro-depth-" + std::to_string(::getpid()) + ".jpg");
    struct Case {
        Pixels kind;
        unsigned sourceBpp;
        FREE_IMAGE_COLOR_TYPE reloaded;
    };
    const Case cases[] = {{Pixels::color, 24, FIC_RGB},
                          {Pixels::colorPalette, 8, FIC_RGB},
                          {Pixels::greyPalette, 8, FIC_MINISBLACK}};
    for (const Case& c : cases) {
        int32_t depth = autoTargetDepth("jpg", 8);
        Image page =
            convertToTargetDepth(makePage(c.kind, c.sourceBpp), outputFor("jpg", 0, true), depth);
        ASSERT_TRUE(page);
        ASSERT_TRUE(FreeImage_Save(FIF_JPEG, page.get(), file.c_str(), 95));
        Image reloaded(FreeImage_Load(FIF_JPEG, file.c_str(), 0));
        ASSERT_TRUE(reloaded);
        EXPECT_EQ(FreeImage_GetColorType(reloaded.get()), c.reloaded);
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace tessaro::test
