#include "engine/save_flags.h"

#include <FreeImage.h>

#include <optional>

#include "settings/setting_codes.h"

namespace tessaro {
namespace {

constexpr int32_t minJpegQuality = 1;
constexpr int32_t maxJpegQuality = 100;

// The encoder flag of each coded encoder choice.
constexpr int32_t encoderFlag(BmpCompression compression) {
    switch (compression) {
        case BmpCompression::none:
            return 0;
        case BmpCompression::rle:
            return BMP_SAVE_RLE;
    }
    return 0;
}

constexpr int32_t encoderFlag(ExrCompression compression) {
    switch (compression) {
        case ExrCompression::none:
            return EXR_NONE;
        case ExrCompression::zip:
            return EXR_ZIP;
        case ExrCompression::piz:
            return EXR_PIZ;
        case ExrCompression::pxr24:
            return EXR_PXR24;
        case ExrCompression::b44:
            return EXR_B44;
    }
    return 0;
}

constexpr int32_t encoderFlag(PngCompression compression) {
    switch (compression) {
        case PngCompression::none:
            return PNG_Z_NO_COMPRESSION;
        case PngCompression::fastest:
            return PNG_Z_BEST_SPEED;
        case PngCompression::standard:
            return PNG_Z_DEFAULT_COMPRESSION;
        case PngCompression::smallest:
            return PNG_Z_BEST_COMPRESSION;
    }
    return 0;
}

constexpr int32_t encoderFlag(TgaCompression compression) {
    switch (compression) {
        case TgaCompression::none:
            return 0;
        case TgaCompression::rle:
            return TARGA_SAVE_RLE;
    }
    return 0;
}

constexpr int32_t encoderFlag(TiffCompression compression) {
    switch (compression) {
        case TiffCompression::none:
            return TIFF_NONE;
        case TiffCompression::ccittFax3:
            return TIFF_CCITTFAX3;
        case TiffCompression::ccittFax4:
            return TIFF_CCITTFAX4;
        case TiffCompression::packBits:
            return TIFF_PACKBITS;
        case TiffCompression::deflate:
            return TIFF_DEFLATE;
        case TiffCompression::adobeDeflate:
            return TIFF_ADOBE_DEFLATE;
        case TiffCompression::lzw:
            return TIFF_LZW;
        case TiffCompression::jpeg:
            return TIFF_JPEG;
        case TiffCompression::logLuv:
            return TIFF_LOGLUV;
    }
    return 0;
}

constexpr int32_t encoderFlag(JpegChroma chroma) {
    switch (chroma) {
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

constexpr int32_t encoderFlag(JpegEncoding encoding) {
    switch (encoding) {
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

// The flag of a stored choice; a number that is no value of `Code` adds none.
template <typename Code>
int32_t flagOf(int32_t stored) {
    const std::optional<Code> code = codeOf<Code>(stored);
    return code ? encoderFlag(*code) : 0;
}

int32_t jpegFlags(const OutputSettings& output) {
    // The quality shares the flag word with the mode bits, so a value outside
    // its range must not spill into them; the encoder then uses its default.
    bool qualityInRange =
        output.jpgQuality >= minJpegQuality && output.jpgQuality <= maxJpegQuality;
    return (qualityInRange ? output.jpgQuality : 0) | flagOf<JpegChroma>(output.jpgChroma) |
           flagOf<JpegEncoding>(output.jpgSaveAs);
}

}  // namespace

int32_t saveFlagsFor(std::string_view formatKey, const Settings& settings) {
    const OutputSettings& output = settings.output;
    if (formatKey == "bmp") {
        return flagOf<BmpCompression>(output.bmpCompression);
    }
    if (formatKey == "exr") {
        return flagOf<ExrCompression>(output.exrCompression);
    }
    if (formatKey == "jpg") {
        return jpegFlags(output);
    }
    if (formatKey == "jxr") {
        return JXR_LOSSLESS;
    }
    if (formatKey == "png") {
        return flagOf<PngCompression>(output.pngCompression) |
               (output.pngInterlaced != 0 ? PNG_INTERLACED : 0);
    }
    if (formatKey == "tga") {
        return flagOf<TgaCompression>(output.tgaCompression);
    }
    if (formatKey == "tiff") {
        return flagOf<TiffCompression>(output.tiffCompression) |
               (output.tiffColorModel == storedCode(TiffColorModel::cmyk) ? TIFF_CMYK : 0);
    }
    if (formatKey == "webp") {
        return WEBP_LOSSLESS;
    }
    return 0;
}

}  // namespace tessaro
