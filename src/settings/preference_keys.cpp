#include "settings/preference_keys.h"

namespace tessaro {
namespace {

// The accessor of one settings field, as a plain function the table can hold.
#define FIELD(path) [](Settings& settings) -> PreferenceField { return &settings.path; }

constexpr PreferenceKey generalKeys[] = {
    {"CFG", FIELD(general.cfg)},
    {"Language", FIELD(general.language)},
    {"Update Range", FIELD(general.updateRange)},
    {"Update Date", FIELD(general.updateDate)},
    {"Save Window Position", FIELD(general.saveWindowPosition)},
};

constexpr PreferenceKey windowKeys[] = {
    {"IsMaximized", FIELD(window.isMaximized)},
    {"Width", FIELD(window.width)},
    {"Height", FIELD(window.height)},
    {"X", FIELD(window.x)},
    {"Y", FIELD(window.y)},
};

constexpr PreferenceKey interfaceKeys[] = {
    {"UI Theme", FIELD(interface.uiTheme)},
    {"UI Size", FIELD(interface.uiSize)},
};

constexpr PreferenceKey inputKeys[] = {
    {"Format", FIELD(input.format)},
    {"DDS Load As", FIELD(input.ddsLoadAs), "dds"},
    {"GIF Frame Loading", FIELD(input.gifFrameLoading), "gif"},
    {"ICO Frame Loading", FIELD(input.icoFrameLoading), "ico"},
    {"TIFF Frame Loading", FIELD(input.tiffFrameLoading), "tiff"},
    {"RAW Load As", FIELD(input.rawLoadAs), "raw"},
    {"RAW Header Size", FIELD(input.rawHeaderSize), "raw"},
    {"RAW Image Width", FIELD(input.rawImageWidth), "raw"},
    {"RAW Image Height", FIELD(input.rawImageHeight), "raw"},
    {"RAW Tone Mapping", FIELD(input.rawToneMapping), "raw"},
};

constexpr PreferenceKey outputKeys[] = {
    {"Format", FIELD(output.format)},
    {"BMP BPP", FIELD(output.bmpBpp), "bmp"},
    {"BMP Compression", FIELD(output.bmpCompression), "bmp"},
    {"BMP Color Table", FIELD(output.bmpColorTable), "bmp"},
    {"DDS BPP", FIELD(output.ddsBpp), "dds"},
    {"EXR BPP", FIELD(output.exrBpp), "exr"},
    {"EXR Compression", FIELD(output.exrCompression), "exr"},
    {"GIF BPP", FIELD(output.gifBpp), "gif"},
    {"HDR BPP", FIELD(output.hdrBpp), "hdr"},
    {"ICO BPP", FIELD(output.icoBpp), "ico"},
    {"J2K BPP", FIELD(output.j2kBpp), "j2k"},
    {"JNG BPP", FIELD(output.jngBpp), "jng"},
    {"JP2 BPP", FIELD(output.jp2Bpp), "jp2"},
    {"JPG BPP", FIELD(output.jpgBpp), "jpg"},
    {"JPG Quality", FIELD(output.jpgQuality), "jpg"},
    {"JPG Chroma", FIELD(output.jpgChroma), "jpg"},
    {"JPG Save As", FIELD(output.jpgSaveAs), "jpg"},
    {"JXR BPP", FIELD(output.jxrBpp), "jxr"},
    {"PBM BPP", FIELD(output.pbmBpp), "pbm"},
    {"PCX BPP", FIELD(output.pcxBpp), "pcx"},
    {"PFM BPP", FIELD(output.pfmBpp), "pfm"},
    {"PGM BPP", FIELD(output.pgmBpp), "pgm"},
    {"PNG BPP", FIELD(output.pngBpp), "png"},
    {"PNG Compression", FIELD(output.pngCompression), "png"},
    {"PNG Interlaced", FIELD(output.pngInterlaced), "png"},
    {"PPM BPP", FIELD(output.ppmBpp), "ppm"},
    {"PSD BPP", FIELD(output.psdBpp), "psd"},
    {"TGA BPP", FIELD(output.tgaBpp), "tga"},
    {"TGA Compression", FIELD(output.tgaCompression), "tga"},
    {"TIFF BPP", FIELD(output.tiffBpp), "tiff"},
    {"TIFF Compression", FIELD(output.tiffCompression), "tiff"},
    {"TIFF Color Model", FIELD(output.tiffColorModel), "tiff"},
    {"WBMP BPP", FIELD(output.wbmpBpp), "wbmp"},
    {"WEBP BPP", FIELD(output.webpBpp), "webp"},
    {"XPM BPP", FIELD(output.xpmBpp), "xpm"},
};

constexpr PreferenceKey transformKeys[] = {
    {"Do Image Rotation", FIELD(transform.doImageRotation)},
    {"Image Rotation Type", FIELD(transform.imageRotationType)},
    {"Image Rotation", FIELD(transform.imageRotation)},
    {"Image Rotation Back Color", FIELD(transform.imageRotationBackColor)},
    {"Do Image Resize", FIELD(transform.doImageResize)},
    {"Image Width", FIELD(transform.imageWidth)},
    {"Image Width Unit", FIELD(transform.imageWidthUnit)},
    {"Image Height", FIELD(transform.imageHeight)},
    {"Image Height Unit", FIELD(transform.imageHeightUnit)},
    {"Keep Aspect Ratio", FIELD(transform.keepAspectRatio)},
    {"Image Resize Type", FIELD(transform.imageResizeType)},
    {"Image Resize Algorithm", FIELD(transform.imageResizeAlgorithm)},
    {"Do Image Flip Horizontal", FIELD(transform.doImageFlipHorizontal)},
    {"Do Image Flip Vertical", FIELD(transform.doImageFlipVertical)},
};

constexpr PreferenceKey adjustmentKeys[] = {
    {"Do Image Color Correction", FIELD(adjustment.doImageColorCorrection)},
    {"Image Brightness", FIELD(adjustment.imageBrightness)},
    {"Image Contrast", FIELD(adjustment.imageContrast)},
    {"Image Gamma", FIELD(adjustment.imageGamma)},
    {"Image Invert", FIELD(adjustment.imageInvert)},
    {"Do Image Greyscale", FIELD(adjustment.doImageGreyscale)},
    {"Do Image Threshold", FIELD(adjustment.doImageThreshold)},
    {"Image Threshold", FIELD(adjustment.imageThreshold)},
};

constexpr PreferenceKey frameKeys[] = {
    {"Do Frame", FIELD(frame.doFrame)},
    {"Solid Left", FIELD(frame.solidLeft)},
    {"Solid Right", FIELD(frame.solidRight)},
    {"Solid Top", FIELD(frame.solidTop)},
    {"Solid Bottom", FIELD(frame.solidBottom)},
    {"Solid Left Color", FIELD(frame.solidLeftColor)},
    {"Solid Right Color", FIELD(frame.solidRightColor)},
    {"Solid Top Color", FIELD(frame.solidTopColor)},
    {"Solid Bottom Color", FIELD(frame.solidBottomColor)},
    {"Solid Opacity", FIELD(frame.solidOpacity)},
};

constexpr PreferenceKey watermarkKeys[] = {
    {"Do Watermark", FIELD(watermark.doWatermark)},
    {"Text", FIELD(watermark.text)},
    {"Fonts", FIELD(watermark.fonts)},
    {"Font", FIELD(watermark.font)},
    {"Font Size", FIELD(watermark.fontSize)},
    {"Font Leading", FIELD(watermark.fontLeading)},
    {"Font Colors", FIELD(watermark.fontColors)},
    {"Font Color", FIELD(watermark.fontColor)},
    {"Font Style", FIELD(watermark.fontStyle)},
    {"Font Effect", FIELD(watermark.fontEffect)},
    {"Text Antialiasing", FIELD(watermark.textAntialiasing)},
    {"Text Alignment", FIELD(watermark.textAlignment)},
    {"Text Padding", FIELD(watermark.textPadding)},
    {"Text Opacity", FIELD(watermark.textOpacity)},
    {"Back Colors", FIELD(watermark.backColors)},
    {"Back Color", FIELD(watermark.backColor)},
    {"Back Opacity", FIELD(watermark.backOpacity)},
    {"Text Boundary", FIELD(watermark.textBoundary)},
    {"Text Position", FIELD(watermark.textPosition)},
    {"Text X Offset", FIELD(watermark.textXOffset)},
    {"Text Y Offset", FIELD(watermark.textYOffset)},
    {"Text Rotation", FIELD(watermark.textRotation)},
    {"Text Size", FIELD(watermark.textSize)},
    {"Text Scale", FIELD(watermark.textScale)},
    {"Image", FIELD(watermark.image)},
    {"Image Greyscale", FIELD(watermark.imageGreyscale)},
    {"Image Opacity", FIELD(watermark.imageOpacity)},
    {"Image Boundary", FIELD(watermark.imageBoundary)},
    {"Image Position", FIELD(watermark.imagePosition)},
    {"Image X Offset", FIELD(watermark.imageXOffset)},
    {"Image Y Offset", FIELD(watermark.imageYOffset)},
    {"Image Rotation", FIELD(watermark.imageRotation)},
    {"Image Size", FIELD(watermark.imageSize)},
    {"Image Scale", FIELD(watermark.imageScale)},
};

constexpr PreferenceKey advancedKeys[] = {
    {"Filename Mask", FIELD(advanced.filenameMask)},
    {"File Timestamp", FIELD(advanced.fileTimestamp)},
    {"Custom Timestamp", FIELD(advanced.customTimestamp)},
    {"Out Folders History", FIELD(advanced.outFoldersHistory)},
    {"Out Folders Number", FIELD(advanced.outFoldersNumber)},
    {"Keep Subfolders", FIELD(advanced.keepSubfolders)},
};

constexpr PreferenceKey fileKeys[] = {
    {"Recent Out Folders", FIELD(file.recentOutFolders)},
    {"Recent Files", FIELD(file.recentFiles)},
};

constexpr PreferenceKey privacyKeys[] = {
    {"Clean Recent Files", FIELD(privacy.cleanRecentFiles)},
};

#undef FIELD

constexpr PreferenceGroup groups[] = {
    {"General", generalKeys},
    {"Window", windowKeys, FormatList::none, true},
    {"Interface", interfaceKeys},
    {"Input", inputKeys, FormatList::input},
    {"Output", outputKeys, FormatList::output},
    {"Transform", transformKeys},
    {"Adjustment", adjustmentKeys},
    {"Frame", frameKeys},
    {"Watermark", watermarkKeys},
    {"Advanced", advancedKeys},
    {"File", fileKeys},
    {"Privacy", privacyKeys},
};

}  // namespace

std::span<const PreferenceGroup> preferenceGroups() {
    return groups;
}

}  // namespace tessaro
