#include "engine/save_flags.h"

#include <FreeImage.h>

#include <array>
#include <optional>
#include <span>

#include "settings/setting_codes.h"
namespace tessaro {
namespace {

// Encoder choices by setting value; a value outside a table adds no flag.
constexpr std::array<int32_t, 2> bmpCompressionFlags{0, BMP_SAVE_RLE};
constexpr std::array<int32_t, 5> exrCompressionFlags{EXR_NONE, EXR_ZIP, EXR_PIZ, EXR_PXR24,
                                                     EXR_B44};
constexpr std::array<int32_t, 4> pngCompressionFlags{
    PNG_Z_NO_COMPRESSION, PNG_Z_BEST_SPEED, PNG_Z_DEFAULT_COMPRESSION, PNG_Z_BEST_COMPRESSION};
constexpr std::array<int32_t, 2> tgaCompressionFlags{0, TARGA_SAVE_RLE};
constexpr std::array<int32_t, 9> tiffCompressionFlags{
    TIFF_NONE,          TIFF_CCITTFAX3, TIFF_CCITTFAX4, TIFF_PACKBITS, TIFF_DEFLATE,
    TIFF_ADOBE_DEFLATE, TIFF_LZW,       TIFF_JPEG,      TIFF_LOGLUV};

constexpr int32_t minJpegQuality = 1;
constexpr int32_t maxJpegQuality = 100;

int32_t flagFor(std::span<const int32_t> flags, int32_t value) {
    if (value < 0 || static_cast<size_t>(value) >= flags.size()) {
        return 0;
    }
    return flags[static_cast<size_t>(value)];
}

// A number that is no chroma subsampling adds no flag.
int32_t chromaFlag(int32_t stored) {
    const std::optional<JpegChroma> chroma = codeOf<JpegChroma>(stored);
    if (!chroma) {
        return 0;
    }
    switch (*chroma) {
        case JpegChroma::none:
            return JPEG_SUBSAMPLING_444;
        case JpegChroma::low:
            return JPEG_SUBSAMPLING_422;
        case JpegChroma::medium:
            return JPEG_SUBSAMPLING_420;
        case JpegChroma::high:
            return JPEG_SUBSAMPLING_411;
    }
    return 0;
}

// A number that is no encoding adds no flag, as the standard encoding does.
int32_t encodingFlag(int32_t stored) {
    const std::optional<JpegEncoding> encoding = codeOf<JpegEncoding>(stored);
    if (!encoding) {
        return 0;
    }
    switch (*encoding) {
        case JpegEncoding::standard:
            return 0;
        case JpegEncoding::simple:
            return JPEG_BASELINE;
        case JpegEncoding::optimized:
            return JPEG_OPTIMIZE;
        case JpegEncoding::progressive:
            return JPEG_PROGRESSIVE;
    }
    return 0;
}

int32_t jpegFlags(const OutputSettings& output) {
    // The quality shares the flag word with the mode bits, so a value outside
    // its range must not spill into them; the encoder then uses its default.
    bool qualityInRange =
        output.jpgQuality >= minJpegQuality && output.jpgQuality <= maxJpegQuality;
    return (qualityInRange ? output.jpgQuality : 0) | chromaFlag(output.jpgChroma) |
           encodingFlag(output.jpgSaveAs);
}

}  // namespace

int32_t saveFlagsFor(std::string_view formatKey, const Settings& settings) {
    const OutputSettings& output = settings.output;
    if (formatKey == "bmp") {
        return flagFor(bmpCompressionFlags, output.bmpCompression);
    }
    if (formatKey == "exr") {
        return flagFor(exrCompressionFlags, output.exrCompression);
    }
    if (formatKey == "jpg") {
        return jpegFlags(output);
    }
    if (formatKey == "jxr") {
        return JXR_LOSSLESS;
    }
    if (formatKey == "png") {
        return flagFor(pngCompressionFlags, output.pngCompression) |
               (output.pngInterlaced != 0 ? PNG_INTERLACED : 0);
    }
    if (formatKey == "tga") {
        return flagFor(tgaCompressionFlags, output.tgaCompression);
    }
    if (formatKey == "tiff") {
        return flagFor(tiffCompressionFlags, output.tiffCompression) |
               (output.tiffColorModel == storedCode(TiffColorModel::cmyk) ? TIFF_CMYK : 0);
    }
    if (formatKey == "webp") {
        return WEBP_LOSSLESS;
    }
    return 0;
}

}  // namespace tessaro
