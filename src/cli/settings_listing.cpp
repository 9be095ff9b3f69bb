#include "cli/settings_listing.h"

#include <array>
#include <charconv>
#include <span>
#include <variant>

#include "cli/option_table.h"
#include "settings/keywords.h"
#include "settings/setting_codes.h"

namespace tessaro {
namespace {

// How a line shows the field behind its option.
enum class LineShape : uint8_t {
    value,        // the field as the option's value kind reads
    withUnit,     // the number, one blank and the keyword of the second option
    pair,         // the first and the second option's numbers joined by "/"
    flagKeyword,  // the "Do" flag the option switches on, named from `table`
};

struct ListingLine {
    std::string_view label;
    std::string_view option;
    LineShape shape = LineShape::value;
    std::string_view second = {};
    int table = -1;
    bool (*shown)(const Settings&) = nullptr;  // nullptr: always
};

constexpr ListingLine withUnit(std::string_view label, std::string_view option,
                               std::string_view unit) {
    return {label, option, LineShape::withUnit, unit};
}

constexpr ListingLine pair(std::string_view label, std::string_view first,
                           std::string_view second) {
    return {label, first, LineShape::pair, second};
}

constexpr ListingLine flagKeyword(std::string_view label, std::string_view option, int table) {
    return {label, option, LineShape::flagKeyword, {}, table};
}

struct FormatListing {
    std::string_view format;
    std::span<const ListingLine> lines;
};

constexpr ListingLine ddsLoad[] = {{"DDS Load As: ", "--DDS-LOAD-AS"}};
constexpr ListingLine gifLoad[] = {{"GIF Frame Loading: ", "--GIF-FRAME-LOADING"}};
constexpr ListingLine icoLoad[] = {{"ICO Frame Loading: ", "--ICO-FRAME-LOADING"}};
constexpr ListingLine rawLoad[] = {
    {"RAW Load As: ", "--RAW-LOAD-AS"},           {"RAW Header Size: ", "--RAW-HEADER-SIZE"},
    {"RAW Image Width: ", "--RAW-WIDTH"},         {"RAW Image Height: ", "--RAW-HEIGHT"},
    {"RAW Tone Mapping: ", "--RAW-TONE-MAPPING"},
};
constexpr ListingLine tiffLoad[] = {{"TIFF Frame Loading: ", "--TIFF-FRAME-LOADING"}};

constexpr FormatListing loadListings[] = {
    {"dds", ddsLoad}, {"gif", gifLoad}, {"ico", icoLoad}, {"raw", rawLoad}, {"tiff", tiffLoad},
};

constexpr ListingLine bmpSave[] = {{"BMP BPP: ", "--BMP-BPP"},
                                   {"BMP Compression: ", "--BMP-COMPRESSION"},
                                   {"BMP Color Table: ", "--BMP-COLOR-TABLE"}};
constexpr ListingLine ddsSave[] = {{"DDS BPP: ", "--DDS-BPP"}};
constexpr ListingLine exrSave[] = {{"EXR BPP: ", "--EXR-BPP"},
                                   {"EXR Compression: ", "--EXR-COMPRESSION"}};
constexpr ListingLine gifSave[] = {{"GIF BPP: ", "--GIF-BPP"}};
constexpr ListingLine hdrSave[] = {{"HDR BPP: ", "--HDR-BPP"}};
constexpr ListingLine icoSave[] = {{"ICO BPP: ", "--ICO-BPP"}};
constexpr ListingLine j2kSave[] = {{"J2K BPP: ", "--J2K-BPP"}};
constexpr ListingLine jngSave[] = {{"JNG BPP: ", "--JNG-BPP"}};
constexpr ListingLine jp2Save[] = {{"JP2 BPP: ", "--JP2-BPP"}};
constexpr ListingLine jpgSave[] = {{"JPG BPP: ", "--JPG-BPP"},
                                   {"JPG Quality: ", "--JPG-QUALITY"},
                                   {"JPG Chroma Subsampling: ", "--JPG-CHROMA"},
                                   {"JPG Save As: ", "--JPG-SAVE-AS"}};
constexpr ListingLine jxrSave[] = {{"JXR BPP: ", "--JXR-BPP"}};
constexpr ListingLine pbmSave[] = {{"PBM BPP: ", "--PBM-BPP"}};
constexpr ListingLine pcxSave[] = {{"PCX BPP: ", "--PCX-BPP"}};
constexpr ListingLine pfmSave[] = {{"PFM BPP: ", "--PFM-BPP"}};
constexpr ListingLine pgmSave[] = {{"PGM BPP: ", "--PGM-BPP"}};
constexpr ListingLine pngSave[] = {{"PNG BPP: ", "--PNG-BPP"},
                                   {"PNG Compression: ", "--PNG-COMPRESSION"},
                                   {"PNG Interlaced: ", "--PNG-INTERLACED"}};
constexpr ListingLine ppmSave[] = {{"PPM BPP: ", "--PPM-BPP"}};
constexpr ListingLine psdSave[] = {{"PSD BPP: ", "--PSD-BPP"}};
constexpr ListingLine tgaSave[] = {{"TGA BPP: ", "--TGA-BPP"},
                                   {"TGA Compression: ", "--TGA-COMPRESSION"}};
constexpr ListingLine tiffSave[] = {{"TIFF BPP: ", "--TIFF-BPP"},
                                    {"TIFF Compression: ", "--TIFF-COMPRESSION"},
                                    {"TIFF Color Model: ", "--TIFF-COLOR-MODEL"}};
constexpr ListingLine wbmpSave[] = {{"WBMP BPP: ", "--WBMP-BPP"}};
constexpr ListingLine webpSave[] = {{"WEBP BPP: ", "--WEBP-BPP"}};
constexpr ListingLine xpmSave[] = {{"XPM BPP: ", "--XPM-BPP"}};

constexpr FormatListing saveListings[] = {
    {"bmp", bmpSave},   {"dds", ddsSave},   {"exr", exrSave}, {"gif", gifSave}, {"hdr", hdrSave},
    {"ico", icoSave},   {"j2k", j2kSave},   {"jng", jngSave}, {"jp2", jp2Save}, {"jpg", jpgSave},
    {"jxr", jxrSave},   {"pbm", pbmSave},   {"pcx", pcxSave}, {"pfm", pfmSave}, {"pgm", pgmSave},
    {"png", pngSave},   {"ppm", ppmSave},   {"psd", psdSave}, {"tga", tgaSave}, {"tiff", tiffSave},
    {"wbmp", wbmpSave}, {"webp", webpSave}, {"xpm", xpmSave},
};

constexpr ListingLine rotationLines[] = {
    {"Image Rotation Type: ", "--ROTATION-TYPE"},
    {"Image Rotation: ", "--ROTATION"},
    {"Image Rotation Back Color: ", "--ROTATION-BACK-COLOR"},
};
constexpr ListingLine widthLines[] = {withUnit("Width: ", "--WIDTH", "--WIDTH-UNIT")};
constexpr ListingLine heightLines[] = {withUnit("Height: ", "--HEIGHT", "--HEIGHT-UNIT")};
constexpr ListingLine resizeLines[] = {
    {"Keep Aspect Ratio: ", "--KEEP-ASPECT-RATIO"},
    {"Image Resize Type: ", "--RESIZE-TYPE"},
    {"Image Resize Algorithm: ", "--RESIZE-ALGORITHM"},
};
constexpr ListingLine flipLines[] = {
    {"Flip Horizontal: ", "--FLIP-HORIZONTAL"},
    {"Flip Vertical: ", "--FLIP-VERTICAL"},
};
constexpr ListingLine brightnessLines[] = {{"Brightness: ", "--BRIGHTNESS"}};
constexpr ListingLine contrastLines[] = {{"Contrast: ", "--CONTRAST"}};
constexpr ListingLine gammaLines[] = {{"Gamma: ", "--GAMMA"}};
constexpr ListingLine invertLines[] = {{"Invert: ", "--INVERT"}};
constexpr ListingLine greyscaleLines[] = {{"Greyscale: ", "--GREYSCALE"}};
constexpr ListingLine thresholdLines[] = {{"Image Threshold: ", "--THRESHOLD"}};
constexpr ListingLine frameLines[] = {
    flagKeyword("Frame: ", "--FR-SOLID-LEFT", keyword_table::frameKind)};
constexpr ListingLine frameDetailLines[] = {
    {"Frame left: ", "--FR-SOLID-LEFT"},
    {"Frame right: ", "--FR-SOLID-RIGHT"},
    {"Frame top: ", "--FR-SOLID-TOP"},
    {"Frame bottom: ", "--FR-SOLID-BOTTOM"},
    {"Frame left color: ", "--FR-SOLID-LEFT-COLOR"},
    {"Frame right color: ", "--FR-SOLID-RIGHT-COLOR"},
    {"Frame top color: ", "--FR-SOLID-TOP-COLOR"},
    {"Frame bottom color: ", "--FR-SOLID-BOTTOM-COLOR"},
    {"Frame opacity: ", "--FR-SOLID-OPACITY"},
};
constexpr ListingLine watermarkLines[] = {
    flagKeyword("Watermark: ", "--WM-TEXT", keyword_table::watermarkKind)};
constexpr ListingLine textWatermarkLines[] = {
    {"Watermark text: ", "--WM-TEXT"},
    {"Watermark font: ", "--WM-FONT"},
    {"Watermark font size: ", "--WM-FONT-SIZE"},
    {"Watermark font leading: ", "--WM-FONT-LEADING"},
    {"Watermark font color: ", "--WM-FONT-COLOR"},
    {"Watermark font style: ", "--WM-FONT-STYLE"},
    {"Watermark font effect: ", "--WM-FONT-EFFECT"},
    {"Watermark text antialiasing: ", "--WM-TEXT-ANTIALIASING"},
    {"Watermark text alignment: ", "--WM-TEXT-ALIGNMENT"},
    {"Watermark text padding: ", "--WM-TEXT-PADDING"},
    {"Watermark text opacity: ", "--WM-TEXT-OPACITY"},
    {"Watermark background color: ", "--WM-BACK-COLOR"},
    {"Watermark background opacity: ", "--WM-BACK-OPACITY"},
    {"Watermark boundary: ", "--WM-TEXT-BOUNDARY"},
    {"Watermark position: ", "--WM-TEXT-POSITION"},
    pair("Watermark offset (x/y): ", "--WM-TEXT-X-OFFSET", "--WM-TEXT-Y-OFFSET"),
    {"Watermark rotation: ", "--WM-TEXT-ROTATION"},
    {"Watermark size/mode: ", "--WM-TEXT-SIZE"},
};
constexpr ListingLine imageWatermarkLines[] = {
    {"Watermark image: ", "--WM-IMAGE"},
    {"Watermark greyscale: ", "--WM-IMAGE-GREYSCALE"},
    {"Watermark opacity: ", "--WM-IMAGE-OPACITY"},
    {"Watermark boundary: ", "--WM-IMAGE-BOUNDARY"},
    {"Watermark position: ", "--WM-IMAGE-POSITION"},
    pair("Watermark offset (x/y): ", "--WM-IMAGE-X-OFFSET", "--WM-IMAGE-Y-OFFSET"),
    {"Watermark rotation: ", "--WM-IMAGE-ROTATION"},
    {"Watermark size/mode: ", "--WM-IMAGE-SIZE"},
};

// The custom time of written files matters only when it is the one chosen.
bool customTimestampChosen(const Settings& settings) {
    return settings.advanced.fileTimestamp == storedCode(FileTimestamp::custom);
}

constexpr ListingLine advancedLines[] = {
    {"Filename Mask: ", "--FILENAME-MASK"},
    {"File Timestamp: ", "--FILE-TIMESTAMP"},
    {"Custom Timestamp: ",
     "--FILE-TIMESTAMP-CUSTOM",
     LineShape::value,
     {},
     -1,
     customTimestampChosen},
    {"Keep Subfolders: ", "--NO-SUBFOLDERS"},
};

std::span<const ListingLine> sectionLines(ListingSection section) {
    switch (section) {
        case ListingSection::rotation:
            return rotationLines;
        case ListingSection::width:
            return widthLines;
        case ListingSection::height:
            return heightLines;
        case ListingSection::resize:
            return resizeLines;
        case ListingSection::flips:
            return flipLines;
        case ListingSection::brightness:
            return brightnessLines;
        case ListingSection::contrast:
            return contrastLines;
        case ListingSection::gamma:
            return gammaLines;
        case ListingSection::invert:
            return invertLines;
        case ListingSection::greyscale:
            return greyscaleLines;
        case ListingSection::threshold:
            return thresholdLines;
        case ListingSection::frame:
            return frameLines;
        case ListingSection::frameDetails:
            return frameDetailLines;
        case ListingSection::watermark:
            return watermarkLines;
        case ListingSection::textWatermark:
            return textWatermarkLines;
        case ListingSection::imageWatermark:
            return imageWatermarkLines;
        case ListingSection::advanced:
            return advancedLines;
    }
    return {};
}

int32_t fieldNumber(const SettingsField& field, const Settings& settings) {
    if (const auto* longField = std::get_if<FieldRef<int32_t>>(&field)) {
        return longField->read(settings);
    }
    if (const auto* byteField = std::get_if<FieldRef<int8_t>>(&field)) {
        return byteField->read(settings);
    }
    return 0;
}

std::string twoDecimals(float value) {
    std::array<char, 64> buffer{};
    auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::fixed, 2);
    return std::string(buffer.data(), written.ptr);
}

// The field of `option` as the listing shows it.
std::string fieldText(const OptionSpec& option, const Settings& settings,
                      std::string_view formatKey) {
    if (const auto* textField = std::get_if<FieldRef<std::string>>(&option.target)) {
        return textField->read(settings);
    }
    if (const auto* fractionField = std::get_if<FieldRef<float>>(&option.target)) {
        return twoDecimals(fractionField->read(settings));
    }
    int32_t number = fieldNumber(option.target, settings);
    if (option.kind == ValueKind::keyword) {
        return keywordName(option.keywordTable, number, formatKey);
    }
    return std::to_string(number);
}

std::string lineText(const ListingLine& line, const Settings& settings,
                     std::string_view formatKey) {
    const OptionSpec* option = findOption(line.option);
    const OptionSpec* second = line.second.empty() ? nullptr : findOption(line.second);
    std::string text(line.label);
    if (option == nullptr) {
        return text;
    }
    switch (line.shape) {
        case LineShape::value:
            text += fieldText(*option, settings, formatKey);
            break;
        case LineShape::withUnit:
        case LineShape::pair:
            text += fieldText(*option, settings, formatKey);
            text += line.shape == LineShape::withUnit ? " " : "/";
            if (second != nullptr) {
                text += fieldText(*second, settings, formatKey);
            }
            break;
        case LineShape::flagKeyword:
            text += keywordName(line.table, option->flag ? option->flag.read(settings) : 0);
            break;
    }
    return text;
}

std::vector<std::string> linesOf(std::span<const ListingLine> lines, const Settings& settings,
                                 std::string_view formatKey) {
    std::vector<std::string> texts;
    for (const ListingLine& line : lines) {
        if (line.shown == nullptr || line.shown(settings)) {
            texts.push_back(lineText(line, settings, formatKey));
        }
    }
    return texts;
}

std::vector<std::string> formatLines(std::span<const FormatListing> listings,
                                     const Settings& settings, std::string_view format) {
    for (const FormatListing& listing : listings) {
        if (listing.format == format) {
            return linesOf(listing.lines, settings, format);
        }
    }
    return {};
}

}  // namespace

std::vector<std::string> loadOptionLines(const Settings& settings, std::string_view inputFormat) {
    return formatLines(loadListings, settings, inputFormat);
}

std::vector<std::string> saveOptionLines(const Settings& settings, std::string_view outputFormat) {
    return formatLines(saveListings, settings, outputFormat);
}

std::vector<std::string> processingLines(const Settings& settings, ListingSection section) {
    return linesOf(sectionLines(section), settings, {});
}

}  // namespace tessaro
