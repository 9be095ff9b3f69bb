#include "engine/save_flags.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/setting_codes.h"

namespace tessaro::test {
namespace {

struct Case {
    std::string_view key;
    std::function<void(OutputSettings&)> change;
    int32_t expected;
};

TEST(SaveFlags, FollowTheEncoderSettings) {
    const Case cases[] = {
        {"jpg", [](OutputSettings&) {}, 65631},
        {"jpg",
         [](OutputSettings& o) {
             o.jpgQuality = 80;
             o.jpgChroma = storedCode(JpegChroma::low);
             o.jpgSaveAs = storedCode(JpegEncoding::simple);
         },
         80 | 0x8000 | 0x40000},
        {"jpg",
         [](OutputSettings& o) {
             o.jpgChroma = storedCode(JpegChroma::medium);
             o.jpgSaveAs = storedCode(JpegEncoding::optimized);
         },
         95 | 0x4000 | 0x20000},
        {"jpg",
         [](OutputSettings& o) {
             o.jpgQuality = 1;
             o.jpgChroma = storedCode(JpegChroma::high);
             o.jpgSaveAs = storedCode(JpegEncoding::progressive);
         },
         1 | 0x1000 | 0x2000},
        {"jpg",
         [](OutputSettings& o) {
             o.jpgChroma = 4;
             o.jpgSaveAs = -1;
         },
         95},
        // A quality outside 1..100 must not turn into mode bits.
        {"jpg", [](OutputSettings& o) { o.jpgQuality = 0x2000 + 50; }, 0x10000},
        {"jpg", [](OutputSettings& o) { o.jpgQuality = 0; }, 0x10000},
        {"bmp", [](OutputSettings&) {}, 0},
        {"bmp", [](OutputSettings& o) { o.bmpCompression = storedCode(BmpCompression::rle); }, 1},
        {"exr", [](OutputSettings&) {}, 2},
        {"exr", [](OutputSettings& o) { o.exrCompression = storedCode(ExrCompression::b44); }, 32},
        {"exr", [](OutputSettings& o) { o.exrCompression = 5; }, 0},
        {"png", [](OutputSettings&) {}, 0x100},
        {"png", [](OutputSettings& o) { o.pngCompression = storedCode(PngCompression::standard); },
         6},
        {"png",
         [](OutputSettings& o) {
             o.pngCompression = storedCode(PngCompression::smallest);
             o.pngInterlaced = 1;
         },
         9 | 0x200},
        {"tga", [](OutputSettings& o) { o.tgaCompression = storedCode(TgaCompression::rle); }, 2},
        {"tiff", [](OutputSettings&) {}, 0x800},
        {"tiff",
         [](OutputSettings& o) {
             o.tiffCompression = storedCode(TiffCompression::lzw);
             o.tiffColorModel = storedCode(TiffColorModel::cmyk);
         },
         0x4000 | 1},
        {"tiff",
         [](OutputSettings& o) {
             o.tiffCompression = storedCode(TiffCompression::logLuv);
             o.tiffColorModel = storedCode(TiffColorModel::lab);
         },
         0x10000},
        {"jxr", [](OutputSettings&) {}, 100},
        {"webp", [](OutputSettings&) {}, 256},
        {"gif", [](OutputSettings& o) { o.pngCompression = storedCode(PngCompression::smallest); },
         0},
        {"psd", [](OutputSettings&) {}, 0},
        {"xyz", [](OutputSettings&) {}, 0},
    };
    for (const Case& c : cases) {
        Settings settings;
        c.change(settings.output);
        EXPECT_EQ(saveFlagsFor(c.key, settings), c.expected) << c.key;
    }
}

}  // namespace
}  // namespace tessaro::test
