#pragma once

#include <cstdint>

#include "settings/setting_code.h"

// Every coded setting of the Settings record, one enum class each, with the
// names of its values (see setting_code.h). The record stores the numbers.

namespace tessaro {

// general.updateRange: how often the scheduled update check asks.
enum class UpdateRange : int32_t { daily, weekly, monthly, quarterly, halfYearly, never };

constexpr CodeName nameOf(UpdateRange range) {
    switch (range) {
        case UpdateRange::daily:
            return {"", "Every day"};
        case UpdateRange::weekly:
            return {"", "Every week"};
        case UpdateRange::monthly:
            return {"", "Every month"};
        case UpdateRange::quarterly:
            return {"", "Every 3 months"};
        case UpdateRange::halfYearly:
            return {"", "Every 6 months"};
        case UpdateRange::never:
            return {"", "Never"};
    }
    return noValue;
}

// interface.uiSize: the size of the toolbar's icons; the preferences list
// offers the first three, the others come only from an edited config.ini.
enum class IconSize : int32_t { small, medium, large, extraLarge, huge };

constexpr CodeName nameOf(IconSize size) {
    switch (size) {
        case IconSize::small:
            return {"", "Small"};
        case IconSize::medium:
            return {"", "Medium"};
        case IconSize::large:
            return {"", "Large"};
        case IconSize::extraLarge:
            return {};
        case IconSize::huge:
            return {};
    }
    return noValue;
}

// input.ddsLoadAs
enum class DdsLoadMode : int32_t { automatic, bgra, rgba };

constexpr CodeName nameOf(DdsLoadMode mode) {
    switch (mode) {
        case DdsLoadMode::automatic:
            return {"AUTO", "Auto"};
        case DdsLoadMode::bgra:
            return {"BGRA", "BGRA"};
        case DdsLoadMode::rgba:
            return {"RGBA", "RGBA"};
    }
    return noValue;
}

// input.rawLoadAs
enum class RawLoadMode : int32_t { automatic, rgb8, rgb16, rgb24, rgb48HalfSize, rgb48 };

constexpr CodeName nameOf(RawLoadMode mode) {
    switch (mode) {
        case RawLoadMode::automatic:
            return {"AUTO", "Auto"};
        case RawLoadMode::rgb8:
            return {"8", "RGB8"};
        case RawLoadMode::rgb16:
            return {"16", "RGB16"};
        case RawLoadMode::rgb24:
            return {"24", "RGB24"};
        case RawLoadMode::rgb48HalfSize:
            return {"48HS", "RGB48HS"};
        case RawLoadMode::rgb48:
            return {"48", "RGB48"};
    }
    return noValue;
}

// input.gifFrameLoading, input.icoFrameLoading, input.tiffFrameLoading
enum class FrameLoading : int32_t { all, first, middle, last, random };

constexpr CodeName nameOf(FrameLoading loading) {
    switch (loading) {
        case FrameLoading::all:
            return {"ALL", "All Frames"};
        case FrameLoading::first:
            return {"FIRST", "First Frame"};
        case FrameLoading::middle:
            return {"MIDDLE", "Middle Frame"};
        case FrameLoading::last:
            return {"LAST", "Last Frame"};
        case FrameLoading::random:
            return {"RANDOM", "Random Frame"};
    }
    return noValue;
}

// input.rawToneMapping
enum class ToneMapping : int32_t { none, linear, adaptiveLogarithmic, rangeReduction, gradient };

constexpr CodeName nameOf(ToneMapping mapping) {
    switch (mapping) {
        case ToneMapping::none:
            return {"NONE", "None"};
        case ToneMapping::linear:
            return {"LINEAR", "Linear"};
        case ToneMapping::adaptiveLogarithmic:
            return {"AL", "Adaptive Logarithmic"};
        case ToneMapping::rangeReduction:
            return {"DRR", "DR Reduction"};
        case ToneMapping::gradient:
            return {"GD", "Gradient Domain"};
    }
    return noValue;
}

// output.bmpCompression. Every compression starts with NONE, which all
// formats share (see keywords.cpp).
enum class BmpCompression : int32_t { none, rle };

constexpr CodeName nameOf(BmpCompression compression) {
    switch (compression) {
        case BmpCompression::none:
            return {"NONE", "None"};
        case BmpCompression::rle:
            return {"RLE", "RLE"};
    }
    return noValue;
}

// output.exrCompression
enum class ExrCompression : int32_t { none, zip, piz, pxr24, b44 };

constexpr CodeName nameOf(ExrCompression compression) {
    switch (compression) {
        case ExrCompression::none:
            return {"NONE", "None"};
        case ExrCompression::zip:
            return {"ZIP", "ZIP"};
        case ExrCompression::piz:
            return {"PIZ", "PIZ"};
        case ExrCompression::pxr24:
            return {"PXR24", "PXR24"};
        case ExrCompression::b44:
            return {"B44", "B44"};
    }
    return noValue;
}

// output.pngCompression: zlib levels 1, 6 and 9.
enum class PngCompression : int32_t { none, fastest, standard, smallest };

constexpr CodeName nameOf(PngCompression compression) {
    switch (compression) {
        case PngCompression::none:
            return {"NONE", "None"};
        case PngCompression::fastest:
            return {"ZLIB1", "ZLIB1"};
        case PngCompression::standard:
            return {"ZLIB6", "ZLIB6"};
        case PngCompression::smallest:
            return {"ZLIB9", "ZLIB9"};
    }
    return noValue;
}

// output.tgaCompression
enum class TgaCompression : int32_t { none, rle };

constexpr CodeName nameOf(TgaCompression compression) {
    switch (compression) {
        case TgaCompression::none:
            return {"NONE", "None"};
        case TgaCompression::rle:
            return {"RLE", "RLE"};
    }
    return noValue;
}

// output.tiffCompression
enum class TiffCompression : int32_t {
    none,
    ccittFax3,
    ccittFax4,
    packBits,
    deflate,
    adobeDeflate,
    lzw,
    jpeg,
    logLuv,
};

constexpr CodeName nameOf(TiffCompression compression) {
    switch (compression) {
        case TiffCompression::none:
            return {"NONE", "None"};
        case TiffCompression::ccittFax3:
            return {"CCITTFAX3", "CCITTFAX3"};
        case TiffCompression::ccittFax4:
            return {"CCITTFAX4", "CCITTFAX4"};
        case TiffCompression::packBits:
            return {"PACKBITS", "PACKBITS"};
        case TiffCompression::deflate:
            return {"DEFLATE", "DEFLATE"};
        case TiffCompression::adobeDeflate:
            return {"ADOBEDEFLATE", "ADOBEDEFLATE"};
        case TiffCompression::lzw:
            return {"LZW", "LZW"};
        case TiffCompression::jpeg:
            return {"JPEG", "JPEG"};
        case TiffCompression::logLuv:
            return {"LOGLUV", "LOGLUV"};
    }
    return noValue;
}

// output.bmpColorTable
enum class BmpPalette : int32_t { automatic, exact };

constexpr CodeName nameOf(BmpPalette palette) {
    switch (palette) {
        case BmpPalette::automatic:
            return {"AUTO", "Auto"};
        case BmpPalette::exact:
            return {"EXACT", "Exact"};
    }
    return noValue;
}

// output.tiffColorModel; the preferences list does not offer LAB.
enum class TiffColorModel : int32_t { rgb, cmyk, lab };

constexpr CodeName nameOf(TiffColorModel model) {
    switch (model) {
        case TiffColorModel::rgb:
            return {"RGB", "RGB"};
        case TiffColorModel::cmyk:
            return {"CMYK", "CMYK"};
        case TiffColorModel::lab:
            return {"LAB", ""};
    }
    return noValue;
}

// output.jpgChroma
enum class JpegChroma : int32_t { none, low, medium, high };

constexpr CodeName nameOf(JpegChroma chroma) {
    switch (chroma) {
        case JpegChroma::none:
            return {"NONE", "None"};
        case JpegChroma::low:
            return {"LOW", "Low"};
        case JpegChroma::medium:
            return {"MEDIUM", "Medium"};
        case JpegChroma::high:
            return {"HIGH", "High"};
    }
    return noValue;
}

// output.jpgSaveAs
enum class JpegEncoding : int32_t { standard, simple, optimized, progressive };

constexpr CodeName nameOf(JpegEncoding encoding) {
    switch (encoding) {
        case JpegEncoding::standard:
            return {"STANDARD", "Baseline Standard"};
        case JpegEncoding::simple:
            return {"SIMPLE", "Baseline Simple"};
        case JpegEncoding::optimized:
            return {"OPTIMIZED", "Baseline Optimized"};
        case JpegEncoding::progressive:
            return {"PROGRESSIVE", "Progressive"};
    }
    return noValue;
}

// transform.imageRotationType
enum class RotationType : int8_t { simple, advanced };

constexpr CodeName nameOf(RotationType type) {
    switch (type) {
        case RotationType::simple:
            return {"SIMPLE", "Simple Rotation"};
        case RotationType::advanced:
            return {"ADVANCED", "Advanced Rotation"};
    }
    return noValue;
}

// transform.imageWidthUnit, transform.imageHeightUnit
enum class SizeUnit : int8_t { pixels, percent };

constexpr CodeName nameOf(SizeUnit unit) {
    switch (unit) {
        case SizeUnit::pixels:
            return {"PIXELS", "Pixels"};
        case SizeUnit::percent:
            return {"PERCENT", "Percent"};
    }
    return noValue;
}

// transform.imageResizeType
enum class ResizeType : int8_t { allImages, largeImages };

constexpr CodeName nameOf(ResizeType type) {
    switch (type) {
        case ResizeType::allImages:
            return {"ALLIMAGES", "All Images"};
        case ResizeType::largeImages:
            return {"LARGEIMAGES", "Large Images"};
    }
    return noValue;
}

// transform.imageResizeAlgorithm
enum class ResizeAlgorithm : int8_t { box, bilinear, bspline, bicubic, catmullRom, lanczos };

constexpr CodeName nameOf(ResizeAlgorithm algorithm) {
    switch (algorithm) {
        case ResizeAlgorithm::box:
            return {"BOX", "Box"};
        case ResizeAlgorithm::bilinear:
            return {"BILINEAR", "Bilinear"};
        case ResizeAlgorithm::bspline:
            return {"BSPLINE", "Bspline"};
        case ResizeAlgorithm::bicubic:
            return {"BICUBIC", "Bicubic"};
        case ResizeAlgorithm::catmullRom:
            return {"CATMULLROM", "Catmullrom"};
        case ResizeAlgorithm::lanczos:
            return {"LANCZOS", "Lanczos"};
    }
    return noValue;
}

// frame.doFrame: whether and which frame is drawn.
enum class FrameType : int8_t { none, solid };

constexpr CodeName nameOf(FrameType type) {
    switch (type) {
        case FrameType::none:
            return {"NONE", "None"};
        case FrameType::solid:
            return {"SOLID", "Frame Solid"};
    }
    return noValue;
}

// watermark.doWatermark: whether and which watermark is drawn.
enum class WatermarkType : int8_t { none, text, picture };

constexpr CodeName nameOf(WatermarkType type) {
    switch (type) {
        case WatermarkType::none:
            return {"NONE", "None"};
        case WatermarkType::text:
            return {"TEXT", "Watermark Text"};
        case WatermarkType::picture:
            return {"IMAGE", "Watermark Image"};
    }
    return noValue;
}

// watermark.fontStyle
enum class FontStyle : int8_t { regular, bold, italic, boldItalic };

constexpr CodeName nameOf(FontStyle style) {
    switch (style) {
        case FontStyle::regular:
            return {"REGULAR", "Regular"};
        case FontStyle::bold:
            return {"BOLD", "Bold"};
        case FontStyle::italic:
            return {"ITALIC", "Italic"};
        case FontStyle::boldItalic:
            return {"BOLDITALIC", "Bold Italic"};
    }
    return noValue;
}

// watermark.fontEffect; the misspelt keyword is the one users type.
enum class FontEffect : int8_t { none, underline, strikeout };

constexpr CodeName nameOf(FontEffect effect) {
    switch (effect) {
        case FontEffect::none:
            return {"NONE", "None"};
        case FontEffect::underline:
            return {"UNDERLINE", "Underline"};
        case FontEffect::strikeout:
            return {"STRIKETHROUGHT", "Strikeout"};
    }
    return noValue;
}

// watermark.textAlignment
enum class TextAlignment : int8_t { left, center, right };

constexpr CodeName nameOf(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::left:
            return {"LEFT", "Align Left"};
        case TextAlignment::center:
            return {"CENTER", "Align Center"};
        case TextAlignment::right:
            return {"RIGHT", "Align Right"};
    }
    return noValue;
}

// watermark.textBoundary, watermark.imageBoundary: what the watermark is
// placed within.
enum class PlacementArea : int8_t { image, frame };

constexpr CodeName nameOf(PlacementArea area) {
    switch (area) {
        case PlacementArea::image:
            return {"IMAGE", "Bound Image"};
        case PlacementArea::frame:
            return {"FRAME", "Bound Frame"};
    }
    return noValue;
}

// watermark.textPosition, watermark.imagePosition
enum class AnchorPosition : int8_t {
    topLeft,
    topCenter,
    topRight,
    middleLeft,
    middleCenter,
    middleRight,
    bottomLeft,
    bottomCenter,
    bottomRight,
};

constexpr CodeName nameOf(AnchorPosition position) {
    switch (position) {
        case AnchorPosition::topLeft:
            return {"TOPLEFT", "Top-Left"};
        case AnchorPosition::topCenter:
            return {"TOPCENTER", "Top-Center"};
        case AnchorPosition::topRight:
            return {"TOPRIGHT", "Top-Right"};
        case AnchorPosition::middleLeft:
            return {"MIDDLELEFT", "Middle-Left"};
        case AnchorPosition::middleCenter:
            return {"MIDDLECENTER", "Middle-Center"};
        case AnchorPosition::middleRight:
            return {"MIDDLERIGHT", "Middle-Right"};
        case AnchorPosition::bottomLeft:
            return {"BOTTOMLEFT", "Bottom-Left"};
        case AnchorPosition::bottomCenter:
            return {"BOTTOMCENTER", "Bottom-Center"};
        case AnchorPosition::bottomRight:
            return {"BOTTOMRIGHT", "Bottom-Right"};
    }
    return noValue;
}

// watermark.textSize, watermark.imageSize. Only FIXED is offered, on the
// command line and in the preferences list; the other modes come only from an
// edited config.ini and are drawn as FIXED.
enum class WatermarkSizeMode : int8_t { fixed, proportional, fit, fill };

constexpr CodeName nameOf(WatermarkSizeMode mode) {
    switch (mode) {
        case WatermarkSizeMode::fixed:
            return {"FIXED", "Fixed"};
        case WatermarkSizeMode::proportional:
        case WatermarkSizeMode::fit:
        case WatermarkSizeMode::fill:
            return {};
    }
    return noValue;
}

// advanced.fileTimestamp: the time the output file is given.
enum class FileTimestamp : int8_t { current, original, custom };

constexpr CodeName nameOf(FileTimestamp timestamp) {
    switch (timestamp) {
        case FileTimestamp::current:
            return {"CURRENT", "Current"};
        case FileTimestamp::original:
            return {"ORIGINAL", "Original"};
        case FileTimestamp::custom:
            return {"CUSTOM", "Custom"};
    }
    return noValue;
}

// advanced.outFoldersHistory: whether the recent output folders outlive the
// window mode.
enum class OutFoldersHistory : int8_t { cleanOnExit, keep };

constexpr CodeName nameOf(OutFoldersHistory history) {
    switch (history) {
        case OutFoldersHistory::cleanOnExit:
            return {"", "Clean On Exit"};
        case OutFoldersHistory::keep:
            return {"", "Keep Folders"};
    }
    return noValue;
}

}  // namespace tessaro
