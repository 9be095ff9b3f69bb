#include "engine/output_depth.h"

#include <FreeImage.h>

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "engine/format_registry.h"
#include "engine/save_flags.h"

namespace tessaro {
namespace {

struct BitDepthSetting {
    std::string_view formatKey;
    int32_t OutputSettings::*field;
};

// "dds", "pcx" and "psd" have a setting but no output row, so they are never
// chosen for a run; the table still names every depth setting once.
constexpr std::array<BitDepthSetting, 23> bitDepthSettings{{
    {"bmp", &OutputSettings::bmpBpp},   {"dds", &OutputSettings::ddsBpp},
    {"exr", &OutputSettings::exrBpp},   {"gif", &OutputSettings::gifBpp},
    {"hdr", &OutputSettings::hdrBpp},   {"ico", &OutputSettings::icoBpp},
    {"j2k", &OutputSettings::j2kBpp},   {"jng", &OutputSettings::jngBpp},
    {"jp2", &OutputSettings::jp2Bpp},   {"jpg", &OutputSettings::jpgBpp},
    {"jxr", &OutputSettings::jxrBpp},   {"pbm", &OutputSettings::pbmBpp},
    {"pcx", &OutputSettings::pcxBpp},   {"pfm", &OutputSettings::pfmBpp},
    {"pgm", &OutputSettings::pgmBpp},   {"png", &OutputSettings::pngBpp},
    {"ppm", &OutputSettings::ppmBpp},   {"psd", &OutputSettings::psdBpp},
    {"tga", &OutputSettings::tgaBpp},   {"tiff", &OutputSettings::tiffBpp},
    {"wbmp", &OutputSettings::wbmpBpp}, {"webp", &OutputSettings::webpBpp},
    {"xpm", &OutputSettings::xpmBpp},
}};

// Formats whose 8-bit images are greyscale: their 8-bit conversion turns
// colours into grey levels.
constexpr std::array<std::string_view, 4> greyEightBitFormats{"j2k", "jp2", "jpg", "jxr"};

// Formats whose 16-bit pixels are 5-5-5 rather than 5-6-5.
constexpr std::array<std::string_view, 2> rgb555Formats{"ico", "tga"};

constexpr int32_t colorDepth = 24;

bool isOneOf(std::span<const std::string_view> keys, std::string_view key) {
    return std::ranges::find(keys, key) != keys.end();
}

// Palette and greyscale pages keep their colours at the small depths; a page
// with more bits per pixel has colours that those conversions would lose.
bool isPaletteOrGreyscale(FIBITMAP* bitmap) {
    return FreeImage_GetImageType(bitmap) == FIT_BITMAP && FreeImage_GetBPP(bitmap) <= 8;
}

// Dithering to 1 bit and the 4-bit conversion always give grey levels, and so
// does 8 bits for the formats whose 8-bit images are greyscale.
bool greysColorPages(int32_t depth, std::string_view formatKey) {
    return depth == 1 || depth == 4 || (depth == 8 && isOneOf(greyEightBitFormats, formatKey));
}

// The automatic depth follows the page as loaded, but the chain may have made
// a small palette page a colour page since (flattened transparency, a frame,
// a watermark). Such a page goes to the format's first colour depth instead
// of being greyed; a format without one keeps the depth it has.
int32_t depthKeepingColor(std::string_view formatKey, int32_t depth, FIBITMAP* page) {
    if (isPaletteOrGreyscale(page) || !greysColorPages(depth, formatKey)) {
        return depth;
    }
    std::vector<int32_t> depths = allowedBppList(formatKey);
    auto color =
        std::ranges::find_if(depths, [](int32_t allowed) { return allowed >= colorDepth; });
    return color == depths.end() ? depth : *color;
}

Image toSixteenBits(Image image, std::string_view formatKey) {
    if (FreeImage_GetBPP(image.get()) > 32) {
        image = Image(FreeImage_ConvertTo24Bits(image.get()));
        if (!image) {
            return image;
        }
    }
    if (isOneOf(rgb555Formats, formatKey)) {
        return Image(FreeImage_ConvertTo16Bits555(image.get()));
    }
    return Image(FreeImage_ConvertTo16Bits565(image.get()));
}

Image toEightBits(Image image, std::string_view formatKey) {
    if (isOneOf(greyEightBitFormats, formatKey)) {
        return Image(FreeImage_ConvertTo8Bits(image.get()));
    }
    if (FreeImage_GetBPP(image.get()) != 24) {
        image = Image(FreeImage_ConvertTo24Bits(image.get()));
        if (!image) {
            return image;
        }
    }
    return Image(FreeImage_ColorQuantizeEx(image.get(), FIQ_WUQUANT, 256, 0, nullptr));
}

}  // namespace

int32_t OutputSettings::*bitDepthSetting(std::string_view formatKey) {
    auto row = std::ranges::find(bitDepthSettings, formatKey, &BitDepthSetting::formatKey);
    return row == bitDepthSettings.end() ? nullptr : row->field;
}

bool prepareOutput(const Settings& settings, OutputRequest& output) {
    const ImageFormat* format = findOutputFormat(output.formatKey);
    int32_t OutputSettings::*depthField = bitDepthSetting(output.formatKey);
    if (format == nullptr || depthField == nullptr) {
        return false;
    }
    output.fif = format->fif;
    output.bitDepth = settings.output.*depthField;
    output.saveFlags = saveFlagsFor(output.formatKey, settings);
    return true;
}

int32_t autoTargetDepth(std::string_view formatKey, int32_t sourceBpp) {
    std::vector<int32_t> depths = allowedBppList(formatKey);
    if (depths.empty()) {
        return 0;
    }
    auto fitting =
        std::ranges::find_if(depths, [sourceBpp](int32_t depth) { return depth >= sourceBpp; });
    return fitting == depths.end() ? depths.back() : *fitting;
}

Image convertToTargetDepth(Image image, const OutputRequest& output, int32_t& depth) {
    if (!image) {
        return image;
    }
    const std::string& formatKey = output.formatKey;
    if (output.automaticDepth()) {
        depth = depthKeepingColor(formatKey, depth, image.get());
    }
    if (FreeImage_GetBPP(image.get()) == static_cast<unsigned>(depth)) {
        return image;
    }
    switch (depth) {
        case 96:
            return Image(FreeImage_ConvertToRGBF(image.get()));
        case 48:
            return Image(FreeImage_ConvertToRGB16(image.get()));
        case 32:
            return Image(FreeImage_ConvertTo32Bits(image.get()));
        case 24:
            return Image(FreeImage_ConvertTo24Bits(image.get()));
        case 16:
            return toSixteenBits(std::move(image), formatKey);
        case 8:
            return toEightBits(std::move(image), formatKey);
        case 4:
            return Image(FreeImage_ConvertTo4Bits(image.get()));
        case 1:
            return Image(FreeImage_Dither(image.get(), FID_FS));
        default:
            return Image();
    }
}

}  // namespace tessaro
