#pragma once

#include <cstdint>
#include <string>

#include "settings/setting_codes.h"

namespace tessaro {

// Every choice that shapes a conversion or the window. Field names follow the
// preferences keys in lower camel case ("JPG Quality" is output.jpgQuality).
// Flags and byte fields are int8_t, long fields int32_t, dates are seconds
// since 1970-01-01 read as local wall-clock time. A coded setting holds the
// stored number of a value of its enum class (setting_codes.h), whatever
// number config.ini or a profile gave it; readers turn it into the value with
// codeOf.

struct GeneralSettings {
    int32_t cfg = 17;
    std::string language = "en";
    int32_t updateRange = storedCode(UpdateRange::monthly);
    int32_t updateDate = 0;
    int8_t saveWindowPosition = 1;
};

// The main window's inner size as created. It is also the least size the
// window takes, and its height never changes: the user can only widen it.
inline constexpr int32_t mainWindowWidth = 510;
inline constexpr int32_t mainWindowHeight = 260;

struct WindowSettings {
    int8_t isMaximized = 0;
    int32_t x = 100;
    int32_t y = 100;
    int32_t width = mainWindowWidth;
    int32_t height = mainWindowHeight;
};

struct InterfaceSettings {
    std::string uiTheme = "handdrawn";
    int32_t uiSize = storedCode(IconSize::large);
};

struct InputSettings {
    std::string format;
    int32_t ddsLoadAs = 0;
    int32_t gifFrameLoading = 0;
    int32_t icoFrameLoading = 0;
    int32_t tiffFrameLoading = 0;
    int32_t rawLoadAs = 0;
    int32_t rawHeaderSize = 0;
    int32_t rawImageWidth = 0;
    int32_t rawImageHeight = 0;
    int32_t rawToneMapping = storedCode(ToneMapping::adaptiveLogarithmic);
};

struct OutputSettings {
    std::string format;
    int32_t bmpBpp = 0;
    int32_t bmpCompression = 0;
    int32_t bmpColorTable = 0;
    int32_t ddsBpp = 0;
    int32_t exrBpp = 0;
    int32_t exrCompression = 0;
    int32_t gifBpp = 0;
    int32_t hdrBpp = 0;
    int32_t icoBpp = 0;
    int32_t j2kBpp = 0;
    int32_t jngBpp = 0;
    int32_t jp2Bpp = 0;
    int32_t jpgBpp = 0;
    int32_t jpgQuality = 95;
    int32_t jpgChroma = 0;
    int32_t jpgSaveAs = 0;
    int32_t jxrBpp = 0;
    int32_t pbmBpp = 0;
    int32_t pcxBpp = 0;
    int32_t pfmBpp = 0;
    int32_t pgmBpp = 0;
    int32_t pngBpp = 0;
    int32_t pngCompression = 0;
    int8_t pngInterlaced = 0;
    int32_t ppmBpp = 0;
    int32_t psdBpp = 0;
    int32_t tgaBpp = 0;
    int32_t tgaCompression = 0;
    int32_t tiffBpp = 0;
    int32_t tiffCompression = 0;
    int32_t tiffColorModel = 0;
    int32_t wbmpBpp = 0;
    int32_t webpBpp = 0;
    int32_t xpmBpp = 0;
};

struct TransformSettings {
    int8_t doImageRotation = 0;
    int8_t imageRotationType = 0;
    int32_t imageRotation = 0;
    std::string imageRotationBackColor = "000000";
    int8_t doImageResize = 0;
    int32_t imageWidth = 0;
    int8_t imageWidthUnit = 0;
    int32_t imageHeight = 0;
    int8_t imageHeightUnit = 0;
    int8_t keepAspectRatio = 1;
    int8_t imageResizeType = 0;
    int8_t imageResizeAlgorithm = storedCode(ResizeAlgorithm::bicubic);
    int8_t doImageFlipHorizontal = 0;
    int8_t doImageFlipVertical = 0;
};

struct AdjustmentSettings {
    int8_t doImageColorCorrection = 0;
    int32_t imageBrightness = 0;
    int32_t imageContrast = 0;
    float imageGamma = 1.0f;
    int8_t imageInvert = 0;
    int8_t doImageGreyscale = 0;
    int8_t doImageThreshold = 0;
    int32_t imageThreshold = 0;
};

struct FrameSettings {
    int8_t doFrame = 0;
    int32_t solidLeft = 0;
    int32_t solidRight = 0;
    int32_t solidTop = 0;
    int32_t solidBottom = 0;
    std::string solidLeftColor = "000000";
    std::string solidRightColor = "000000";
    std::string solidTopColor = "000000";
    std::string solidBottomColor = "000000";
    int32_t solidOpacity = 255;
};

inline constexpr const char* defaultWatermarkText = "\u00a9 Brimvale";
inline constexpr const char* defaultColorList =
    "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

struct WatermarkSettings {
    int8_t doWatermark = 0;
    std::string text = defaultWatermarkText;
    std::string fonts = "Arial,Tahoma,Verdana";
    std::string font = "Arial";
    int32_t fontSize = 14;
    int32_t fontLeading = 0;
    std::string fontColors = defaultColorList;
    std::string fontColor = "FFFFFF";
    int8_t fontStyle = 0;
    int8_t fontEffect = 0;
    int8_t textAntialiasing = 0;
    int8_t textAlignment = 0;
    int32_t textPadding = 0;
    int32_t textOpacity = 255;
    std::string backColors = defaultColorList;
    std::string backColor = "000000";
    int32_t backOpacity = 1;
    int8_t textBoundary = 0;
    int8_t textPosition = storedCode(AnchorPosition::bottomRight);
    int32_t textXOffset = 10;
    int32_t textYOffset = 10;
    int32_t textRotation = 0;
    int8_t textSize = 0;
    int32_t textScale = 10;
    std::string image;
    int8_t imageGreyscale = 0;
    int32_t imageOpacity = 255;
    int8_t imageBoundary = 0;
    int8_t imagePosition = storedCode(AnchorPosition::bottomRight);
    int32_t imageXOffset = 10;
    int32_t imageYOffset = 10;
    int32_t imageRotation = 0;
    int8_t imageSize = 0;
    int32_t imageScale = 10;
};

struct AdvancedSettings {
    std::string filenameMask = "%filename%.%ext%";
    int8_t fileTimestamp = 0;
    int32_t customTimestamp = 0;
    int8_t outFoldersHistory = storedCode(OutFoldersHistory::keep);
    int8_t outFoldersNumber = 5;
    int8_t keepSubfolders = 1;
};

struct FileSettings {
    std::string recentOutFolders;
    std::string recentFiles;
};

struct PrivacySettings {
    int8_t cleanRecentFiles = 0;
};

struct Settings {
    GeneralSettings general;
    WindowSettings window;
    InterfaceSettings interface;
    InputSettings input;
    OutputSettings output;
    TransformSettings transform;
    AdjustmentSettings adjustment;
    FrameSettings frame;
    WatermarkSettings watermark;
    AdvancedSettings advanced;
    FileSettings file;
    PrivacySettings privacy;
};

}  // namespace tessaro
