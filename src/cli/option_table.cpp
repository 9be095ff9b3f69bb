#include "cli/option_table.h"

#include <algorithm>
#include <array>

#include "settings/keywords.h"
#include "settings/setting_codes.h"

namespace tessaro {
namespace {

namespace kw = keyword_table;

// The field of a Settings record named by its path, "output.jpgQuality".
#define FIELD(path) SETTINGS_FIELD(path)

constexpr OptionSpec setting(std::string_view name, ValueKind kind, SettingsField target,
                             int table = -1) {
    OptionSpec option;
    option.longName = name;
    option.kind = kind;
    option.keywordTable = table;
    option.target = target;
    option.profileKey = name;
    return option;
}

constexpr OptionSpec number(std::string_view name, SettingsField target) {
    return setting(name, ValueKind::number, target);
}

constexpr OptionSpec fraction(std::string_view name, SettingsField target) {
    return setting(name, ValueKind::fraction, target);
}

constexpr OptionSpec keyword(std::string_view name, int table, SettingsField target) {
    return setting(name, ValueKind::keyword, target, table);
}

constexpr OptionSpec text(std::string_view name, SettingsField target) {
    return setting(name, ValueKind::text, target);
}

// An option without value that stores `value` in its field.
constexpr OptionSpec valueless(std::string_view name, FieldRef<int8_t> target, int8_t value = 1) {
    OptionSpec option = setting(name, ValueKind::none, target);
    option.fixedValue = value;
    return option;
}

constexpr OptionSpec switchingOn(OptionSpec option, FieldRef<int8_t> flag, int8_t value = 1) {
    option.flag = flag;
    option.flagValue = value;
    return option;
}

constexpr OptionSpec inProfilesAs(OptionSpec option, std::string_view key) {
    option.profileKey = key;
    return option;
}

// A file name mask in a profile may stand in quotes, as it would on the
// command line; they are delimiters, not part of the mask.
constexpr OptionSpec unquotedInProfiles(OptionSpec option) {
    option.profileStripsQuotes = true;
    return option;
}

constexpr OptionSpec command(std::string_view shortName, std::string_view longName, ValueKind kind,
                             OptionRole role) {
    OptionSpec option;
    option.shortName = shortName;
    option.longName = longName;
    option.kind = kind;
    option.role = role;
    return option;
}

const auto options = std::to_array<OptionSpec>({
    command("-I", "--INPUT", ValueKind::text, OptionRole::input),
    command("-O", "--OUTPUT", ValueKind::text, OptionRole::output),
    command("-C", "--CONVERSION", ValueKind::rawText, OptionRole::conversion),

    keyword("--DDS-LOAD-AS", kw::ddsLoadMode, FIELD(input.ddsLoadAs)),
    keyword("--GIF-FRAME-LOADING", kw::frameSelection, FIELD(input.gifFrameLoading)),
    keyword("--ICO-FRAME-LOADING", kw::frameSelection, FIELD(input.icoFrameLoading)),
    keyword("--RAW-LOAD-AS", kw::rawLoadMode, FIELD(input.rawLoadAs)),
    number("--RAW-HEADER-SIZE", FIELD(input.rawHeaderSize)),
    number("--RAW-WIDTH", FIELD(input.rawImageWidth)),
    number("--RAW-HEIGHT", FIELD(input.rawImageHeight)),
    keyword("--RAW-TONE-MAPPING", kw::toneMapping, FIELD(input.rawToneMapping)),
    keyword("--TIFF-FRAME-LOADING", kw::frameSelection, FIELD(input.tiffFrameLoading)),

    number("--BMP-BPP", FIELD(output.bmpBpp)),
    keyword("--BMP-COMPRESSION", kw::compression, FIELD(output.bmpCompression)),
    keyword("--BMP-COLOR-TABLE", kw::bmpPalette, FIELD(output.bmpColorTable)),
    number("--DDS-BPP", FIELD(output.ddsBpp)),
    number("--EXR-BPP", FIELD(output.exrBpp)),
    keyword("--EXR-COMPRESSION", kw::compression, FIELD(output.exrCompression)),
    number("--GIF-BPP", FIELD(output.gifBpp)),
    number("--HDR-BPP", FIELD(output.hdrBpp)),
    number("--ICO-BPP", FIELD(output.icoBpp)),
    number("--J2K-BPP", FIELD(output.j2kBpp)),
    number("--JNG-BPP", FIELD(output.jngBpp)),
    number("--JP2-BPP", FIELD(output.jp2Bpp)),
    number("--JPG-BPP", FIELD(output.jpgBpp)),
    number("--JPG-QUALITY", FIELD(output.jpgQuality)),
    keyword("--JPG-CHROMA", kw::jpegChroma, FIELD(output.jpgChroma)),
    keyword("--JPG-SAVE-AS", kw::jpegEncoding, FIELD(output.jpgSaveAs)),
    number("--JXR-BPP", FIELD(output.jxrBpp)),
    number("--PBM-BPP", FIELD(output.pbmBpp)),
    number("--PCX-BPP", FIELD(output.pcxBpp)),
    number("--PFM-BPP", FIELD(output.pfmBpp)),
    number("--PGM-BPP", FIELD(output.pgmBpp)),
    number("--PNG-BPP", FIELD(output.pngBpp)),
    keyword("--PNG-COMPRESSION", kw::compression, FIELD(output.pngCompression)),
    valueless("--PNG-INTERLACED", FIELD(output.pngInterlaced)),
    number("--PPM-BPP", FIELD(output.ppmBpp)),
    number("--PSD-BPP", FIELD(output.psdBpp)),
    number("--TGA-BPP", FIELD(output.tgaBpp)),
    keyword("--TGA-COMPRESSION", kw::compression, FIELD(output.tgaCompression)),
    number("--TIFF-BPP", FIELD(output.tiffBpp)),
    keyword("--TIFF-COMPRESSION", kw::compression, FIELD(output.tiffCompression)),
    keyword("--TIFF-COLOR-MODEL", kw::tiffColorModel, FIELD(output.tiffColorModel)),
    number("--WBMP-BPP", FIELD(output.wbmpBpp)),
    number("--WEBP-BPP", FIELD(output.webpBpp)),
    number("--XPM-BPP", FIELD(output.xpmBpp)),

    keyword("--ROTATION-TYPE", kw::rotationType, FIELD(transform.imageRotationType)),
    switchingOn(number("--ROTATION", FIELD(transform.imageRotation)),
                FIELD(transform.doImageRotation)),
    text("--ROTATION-BACK-COLOR", FIELD(transform.imageRotationBackColor)),
    switchingOn(number("--WIDTH", FIELD(transform.imageWidth)), FIELD(transform.doImageResize)),
    keyword("--WIDTH-UNIT", kw::sizeUnit, FIELD(transform.imageWidthUnit)),
    switchingOn(number("--HEIGHT", FIELD(transform.imageHeight)), FIELD(transform.doImageResize)),
    keyword("--HEIGHT-UNIT", kw::sizeUnit, FIELD(transform.imageHeightUnit)),
    valueless("--KEEP-ASPECT-RATIO", FIELD(transform.keepAspectRatio)),
    keyword("--RESIZE-TYPE", kw::resizeType, FIELD(transform.imageResizeType)),
    keyword("--RESIZE-ALGORITHM", kw::resizeFilter, FIELD(transform.imageResizeAlgorithm)),
    valueless("--FLIP-HORIZONTAL", FIELD(transform.doImageFlipHorizontal)),
    valueless("--FLIP-VERTICAL", FIELD(transform.doImageFlipVertical)),

    switchingOn(number("--BRIGHTNESS", FIELD(adjustment.imageBrightness)),
                FIELD(adjustment.doImageColorCorrection)),
    switchingOn(number("--CONTRAST", FIELD(adjustment.imageContrast)),
                FIELD(adjustment.doImageColorCorrection)),
    switchingOn(fraction("--GAMMA", FIELD(adjustment.imageGamma)),
                FIELD(adjustment.doImageColorCorrection)),
    switchingOn(valueless("--INVERT", FIELD(adjustment.imageInvert)),
                FIELD(adjustment.doImageColorCorrection)),
    valueless("--GREYSCALE", FIELD(adjustment.doImageGreyscale)),
    switchingOn(number("--THRESHOLD", FIELD(adjustment.imageThreshold)),
                FIELD(adjustment.doImageThreshold)),

    switchingOn(number("--FR-SOLID-LEFT", FIELD(frame.solidLeft)), FIELD(frame.doFrame),
                storedCode(FrameType::solid)),
    switchingOn(number("--FR-SOLID-RIGHT", FIELD(frame.solidRight)), FIELD(frame.doFrame),
                storedCode(FrameType::solid)),
    switchingOn(number("--FR-SOLID-TOP", FIELD(frame.solidTop)), FIELD(frame.doFrame),
                storedCode(FrameType::solid)),
    switchingOn(number("--FR-SOLID-BOTTOM", FIELD(frame.solidBottom)), FIELD(frame.doFrame),
                storedCode(FrameType::solid)),
    text("--FR-SOLID-LEFT-COLOR", FIELD(frame.solidLeftColor)),
    text("--FR-SOLID-RIGHT-COLOR", FIELD(frame.solidRightColor)),
    text("--FR-SOLID-TOP-COLOR", FIELD(frame.solidTopColor)),
    text("--FR-SOLID-BOTTOM-COLOR", FIELD(frame.solidBottomColor)),
    // Profiles have always stored the frame opacity under this key.
    inProfilesAs(number("--FR-SOLID-OPACITY", FIELD(frame.solidOpacity)), "--WM-SOLID-OPACITY"),

    switchingOn(text("--WM-TEXT", FIELD(watermark.text)), FIELD(watermark.doWatermark),
                storedCode(WatermarkType::text)),
    text("--WM-FONT", FIELD(watermark.font)),
    number("--WM-FONT-SIZE", FIELD(watermark.fontSize)),
    number("--WM-FONT-LEADING", FIELD(watermark.fontLeading)),
    text("--WM-FONT-COLOR", FIELD(watermark.fontColor)),
    keyword("--WM-FONT-STYLE", kw::fontStyle, FIELD(watermark.fontStyle)),
    keyword("--WM-FONT-EFFECT", kw::fontEffect, FIELD(watermark.fontEffect)),
    valueless("--WM-TEXT-ANTIALIASING", FIELD(watermark.textAntialiasing)),
    keyword("--WM-TEXT-ALIGNMENT", kw::textAlignment, FIELD(watermark.textAlignment)),
    number("--WM-TEXT-PADDING", FIELD(watermark.textPadding)),
    number("--WM-TEXT-OPACITY", FIELD(watermark.textOpacity)),
    text("--WM-BACK-COLOR", FIELD(watermark.backColor)),
    number("--WM-BACK-OPACITY", FIELD(watermark.backOpacity)),
    keyword("--WM-TEXT-BOUNDARY", kw::placementArea, FIELD(watermark.textBoundary)),
    keyword("--WM-TEXT-POSITION", kw::anchorPosition, FIELD(watermark.textPosition)),
    number("--WM-TEXT-X-OFFSET", FIELD(watermark.textXOffset)),
    number("--WM-TEXT-Y-OFFSET", FIELD(watermark.textYOffset)),
    number("--WM-TEXT-ROTATION", FIELD(watermark.textRotation)),
    keyword("--WM-TEXT-SIZE", kw::watermarkSizeMode, FIELD(watermark.textSize)),
    switchingOn(text("--WM-IMAGE", FIELD(watermark.image)), FIELD(watermark.doWatermark),
                storedCode(WatermarkType::picture)),
    valueless("--WM-IMAGE-GREYSCALE", FIELD(watermark.imageGreyscale)),
    number("--WM-IMAGE-OPACITY", FIELD(watermark.imageOpacity)),
    keyword("--WM-IMAGE-BOUNDARY", kw::placementArea, FIELD(watermark.imageBoundary)),
    keyword("--WM-IMAGE-POSITION", kw::anchorPosition, FIELD(watermark.imagePosition)),
    number("--WM-IMAGE-X-OFFSET", FIELD(watermark.imageXOffset)),
    number("--WM-IMAGE-Y-OFFSET", FIELD(watermark.imageYOffset)),
    number("--WM-IMAGE-ROTATION", FIELD(watermark.imageRotation)),
    keyword("--WM-IMAGE-SIZE", kw::watermarkSizeMode, FIELD(watermark.imageSize)),

    unquotedInProfiles(text("--FILENAME-MASK", FIELD(advanced.filenameMask))),
    keyword("--FILE-TIMESTAMP", kw::fileTimestamp, FIELD(advanced.fileTimestamp)),
    number("--FILE-TIMESTAMP-CUSTOM", FIELD(advanced.customTimestamp)),
    valueless("--NO-SUBFOLDERS", FIELD(advanced.keepSubfolders), 0),

    command("", "--PROFILE", ValueKind::text, OptionRole::profile),
    command("-D", "--DEBUG", ValueKind::none, OptionRole::debug),
    command("-Q", "--QUIET", ValueKind::none, OptionRole::quiet),
    command("-P", "--PAUSE", ValueKind::none, OptionRole::pause),
});

#undef FIELD

}  // namespace

std::string upperCaseName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::span<const OptionSpec> optionTable() {
    return options;
}

const OptionSpec* findOption(std::string_view upperName) {
    auto found = std::ranges::find_if(options, [&](const OptionSpec& option) {
        return option.longName == upperName ||
               (!option.shortName.empty() && option.shortName == upperName);
    });
    return found == options.end() ? nullptr : &*found;
}

const OptionSpec* findProfileOption(std::string_view upperKey) {
    auto found = std::ranges::find_if(options, [&](const OptionSpec& option) {
        return !option.profileKey.empty() && option.profileKey == upperKey;
    });
    return found == options.end() ? nullptr : &*found;
}

}  // namespace tessaro
