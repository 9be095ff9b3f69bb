#include "settings/keywords.h"

#include <array>
#include <span>

#include "l10n/text_case.h"

namespace tessaro {
namespace {

struct Keyword {
    std::string_view text;
    int32_t code;
    // Output formats whose compression group holds the keyword; empty means
    // every format. Only the compression table uses it.
    std::array<std::string_view, 2> formats = {};
};

struct KeywordTable {
    std::span<const Keyword> keywords;
    bool acceptsText = true;  // false for the tables that only name codes
};

constexpr Keyword ddsLoadMode[] = {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}};
constexpr Keyword rawLoadMode[] = {{"AUTO", 0}, {"8", 1},    {"16", 2},
                                   {"24", 3},   {"48HS", 4}, {"48", 5}};
constexpr Keyword frameSelection[] = {
    {"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}};
constexpr Keyword toneMapping[] = {{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}};
constexpr Keyword compression[] = {
    {"NONE", 0},
    {"RLE", 1, {"bmp", "tga"}},
    {"ZIP", 1, {"exr"}},
    {"PIZ", 2, {"exr"}},
    {"PXR24", 3, {"exr"}},
    {"B44", 4, {"exr"}},
    {"ZLIB1", 1, {"png"}},
    {"ZLIB6", 2, {"png"}},
    {"ZLIB9", 3, {"png"}},
    {"CCITTFAX3", 1, {"tiff"}},
    {"CCITTFAX4", 2, {"tiff"}},
    {"PACKBITS", 3, {"tiff"}},
    {"DEFLATE", 4, {"tiff"}},
    {"ADOBEDEFLATE", 5, {"tiff"}},
    {"LZW", 6, {"tiff"}},
    {"JPEG", 7, {"tiff"}},
    {"LOGLUV", 8, {"tiff"}},
};
constexpr Keyword bmpPalette[] = {{"AUTO", 0}, {"EXACT", 1}};
constexpr Keyword tiffColorModel[] = {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}};
constexpr Keyword jpegChroma[] = {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}};
constexpr Keyword jpegEncoding[] = {
    {"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}};
constexpr Keyword rotationType[] = {{"SIMPLE", 0}, {"ADVANCED", 1}};
constexpr Keyword sizeUnit[] = {{"PIXELS", 0}, {"PERCENT", 1}};
constexpr Keyword resizeType[] = {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}};
constexpr Keyword resizeFilter[] = {{"BOX", 0},     {"BILINEAR", 1},   {"BSPLINE", 2},
                                    {"BICUBIC", 3}, {"CATMULLROM", 4}, {"LANCZOS", 5}};
constexpr Keyword frameKind[] = {{"NONE", 0}, {"SOLID", 1}};
constexpr Keyword watermarkKind[] = {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}};
constexpr Keyword fontStyle[] = {{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}};
// The misspelling is the keyword users type; it stays as it is.
constexpr Keyword fontEffect[] = {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}};
constexpr Keyword textAlignment[] = {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}};
constexpr Keyword placementArea[] = {{"IMAGE", 0}, {"FRAME", 1}};
constexpr Keyword anchorPosition[] = {{"TOPLEFT", 0},    {"TOPCENTER", 1},    {"TOPRIGHT", 2},
                                      {"MIDDLELEFT", 3}, {"MIDDLECENTER", 4}, {"MIDDLERIGHT", 5},
                                      {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}};
constexpr Keyword watermarkSizeMode[] = {{"FIXED", 0}};
constexpr Keyword fileTimestamp[] = {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}};

// Indexed by the numbers of keyword_table.
constexpr KeywordTable keywordTables[] = {
    {ddsLoadMode},    {rawLoadMode},      {frameSelection},
    {toneMapping},    {compression},      {bmpPalette},
    {tiffColorModel}, {jpegChroma},       {jpegEncoding},
    {rotationType},   {sizeUnit},         {resizeType},
    {resizeFilter},   {frameKind, false}, {watermarkKind, false},
    {fontStyle},      {fontEffect},       {textAlignment},
    {placementArea},  {anchorPosition},   {watermarkSizeMode},
    {fileTimestamp},
};
static_assert(std::size(keywordTables) == keyword_table::fileTimestamp + 1);

const KeywordTable* findTable(int table) {
    if (table < 0 || table >= static_cast<int>(std::size(keywordTables))) {
        return nullptr;
    }
    return &keywordTables[table];
}

bool belongsToFormat(const Keyword& keyword, std::string_view formatKey) {
    if (keyword.formats[0].empty()) {
        return true;
    }
    return !formatKey.empty() &&
           (keyword.formats[0] == formatKey || keyword.formats[1] == formatKey);
}

}  // namespace

int32_t parseKeyword(std::string_view text, int table) {
    const KeywordTable* keywords = findTable(table);
    if (keywords == nullptr || !keywords->acceptsText) {
        return 0;
    }
    // Values are user text, upper-cased by character as everywhere else.
    std::string upper = upperCaseText(text);
    for (const Keyword& keyword : keywords->keywords) {
        if (upper == keyword.text) {
            return keyword.code;
        }
    }
    return 0;
}

std::string keywordName(int table, int32_t code, std::string_view formatKey) {
    const KeywordTable* keywords = findTable(table);
    if (keywords == nullptr) {
        return {};
    }
    for (const Keyword& keyword : keywords->keywords) {
        if (keyword.code == code &&
            (table != keyword_table::compression || belongsToFormat(keyword, formatKey))) {
            return std::string(keyword.text);
        }
    }
    return {};
}

}  // namespace tessaro
