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
    // The output format whose compression the keyword names; empty means
    // every format. Only the compression table uses it.
    std::string_view format = {};
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

// The compression setting of one output format, named by its format key.
template <typename Code>
struct CompressionOf {
    std::string_view format;
};

// One table holds the compressions of every output format: a keyword parses
// whatever format it belongs to, and names the codes of its own format. Every
// compression's code 0 is NONE, which is one row for all formats.
template <typename... Codes>
constexpr auto compressionKeywordsOf(CompressionOf<Codes>... groups) {
    std::array<Keyword, (1 + ... + (codeCount<Codes>() - 1))> keywords{};
    keywords[0] = {"NONE", 0};
    size_t row = 1;
    auto addGroup = [&]<typename Code>(CompressionOf<Code> group) {
        static_assert(nameOf(Code{}).keyword == "NONE");
        for (int32_t code = 1; code < codeCount<Code>(); ++code) {
            keywords[row++] = {nameOf(static_cast<Code>(code)).keyword, code, group.format};
        }
    };
    (addGroup(groups), ...);
    return keywords;
}

constexpr auto compression = compressionKeywordsOf(
    CompressionOf<BmpCompression>{"bmp"}, CompressionOf<ExrCompression>{"exr"},
    CompressionOf<PngCompression>{"png"}, CompressionOf<TgaCompression>{"tga"},
    CompressionOf<TiffCompression>{"tiff"});

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
    return keyword.format.empty() || keyword.format == formatKey;
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
        if (!keyword.text.empty() && upper == keyword.text) {
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
