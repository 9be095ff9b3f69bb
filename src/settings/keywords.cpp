#include "settings/keywords.h"

#include <array>
#include <span>

#include "l10n/text_case.h"
#include "settings/setting_codes.h"

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

// The keyword table of a coded setting, one row per value in code order.
template <typename Code>
constexpr auto keywordsOf() {
    std::array<Keyword, codeCount<Code>()> keywords{};
    for (int32_t code = 0; code < codeCount<Code>(); ++code) {
        keywords[code] = {nameOf(static_cast<Code>(code)).keyword, code};
    }
    return keywords;
}

template <typename Code>
constexpr auto keywords = keywordsOf<Code>();

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

// Indexed by the numbers of keyword_table.
constexpr KeywordTable keywordTables[] = {
    {keywords<DdsLoadMode>},
    {keywords<RawLoadMode>},
    {keywords<FrameLoading>},
    {keywords<ToneMapping>},
    {compression},
    {keywords<BmpPalette>},
    {keywords<TiffColorModel>},
    {keywords<JpegChroma>},
    {keywords<JpegEncoding>},
    {keywords<RotationType>},
    {keywords<SizeUnit>},
    {keywords<ResizeType>},
    {keywords<ResizeAlgorithm>},
    {keywords<FrameType>, false},
    {keywords<WatermarkType>, false},
    {keywords<FontStyle>},
    {keywords<FontEffect>},
    {keywords<TextAlignment>},
    {keywords<PlacementArea>},
    {keywords<AnchorPosition>},
    {keywords<WatermarkSizeMode>},
    {keywords<FileTimestamp>},
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
