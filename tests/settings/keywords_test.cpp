#include <gtest/gtest.h>

#include "settings/keywords.h"
#include "settings/setting_codes.h"

namespace tessaro::test {
namespace {

struct ParseCase {
    const char* text;
    int table;
    int32_t code;
};

TEST(ParseKeyword, FindsCodesInAnyLetterCase) {
    const ParseCase cases[] = {
        {"bicubic", keyword_table::resizeFilter, 3},
        {"BiCuBiC", keyword_table::resizeFilter, 3},
        {"LANCZOS", keyword_table::resizeFilter, 5},
        {"48hs", keyword_table::rawLoadMode, 4},
        {"48", keyword_table::rawLoadMode, 5},
        {"rgba", keyword_table::ddsLoadMode, 2},
        {"random", keyword_table::frameSelection, 4},
        {"gd", keyword_table::toneMapping, 4},
        {"exact", keyword_table::bmpPalette, 1},
        {"lab", keyword_table::tiffColorModel, 2},
        {"high", keyword_table::jpegChroma, 3},
        {"progressive", keyword_table::jpegEncoding, 3},
        {"advanced", keyword_table::rotationType, 1},
        {"percent", keyword_table::sizeUnit, 1},
        {"largeimages", keyword_table::resizeType, 1},
        {"bolditalic", keyword_table::fontStyle, 3},
        {"strikethrought", keyword_table::fontEffect, 2},
        {"right", keyword_table::textAlignment, 2},
        {"frame", keyword_table::placementArea, 1},
        {"bottomright", keyword_table::anchorPosition, 8},
        {"middlecenter", keyword_table::anchorPosition, 4},
        {"fixed", keyword_table::watermarkSizeMode, 0},
        {"custom", keyword_table::fileTimestamp, 2},
    };
    for (const ParseCase& row : cases) {
        EXPECT_EQ(parseKeyword(row.text, row.table), row.code) << row.text << " in " << row.table;
    }
}

TEST(ParseKeyword, UnknownTextTablesAndNameOnlyTablesGiveZero) {
    const ParseCase cases[] = {
        {"bicubic ", keyword_table::resizeFilter, 0},  // callers trim; the table does not
        {" bicubic", keyword_table::resizeFilter, 0},
        {"32", keyword_table::rawLoadMode, 0},
        {"4", keyword_table::rawLoadMode, 0},
        {"", keyword_table::resizeFilter, 0},
        {"BICUBICX", keyword_table::resizeFilter, 0},
        {"STRIKETHROUGH", keyword_table::fontEffect, 0},
        {"PROPORTIONAL", keyword_table::watermarkSizeMode, 0},
        {"SOLID", keyword_table::frameKind, 0},
        {"IMAGE", keyword_table::watermarkKind, 0},
        {"TEXT", keyword_table::watermarkKind, 0},
        {"BICUBIC", -1, 0},
        {"BICUBIC", 22, 0},
    };
    for (const ParseCase& row : cases) {
        EXPECT_EQ(parseKeyword(row.text, row.table), row.code)
            << "'" << row.text << "' in " << row.table;
    }
}

TEST(ParseKeyword, CompressionAcceptsEveryFormatsKeyword) {
    EXPECT_EQ(parseKeyword("lzw", keyword_table::compression), storedCode(TiffCompression::lzw));
    EXPECT_EQ(parseKeyword("RLE", keyword_table::compression), storedCode(BmpCompression::rle));
    EXPECT_EQ(parseKeyword("RLE", keyword_table::compression), storedCode(TgaCompression::rle));
    EXPECT_EQ(parseKeyword("pxr24", keyword_table::compression), storedCode(ExrCompression::pxr24));
    EXPECT_EQ(parseKeyword("ZLIB9", keyword_table::compression),
              storedCode(PngCompression::smallest));
    EXPECT_EQ(parseKeyword("logluv", keyword_table::compression),
              storedCode(TiffCompression::logLuv));
    EXPECT_EQ(parseKeyword("NONE", keyword_table::compression), 0);
}

TEST(KeywordName, CompressionNamesComeFromTheFormatsGroup) {
    struct Case {
        int32_t code;
        const char* format;
        const char* name;
    };
    const Case cases[] = {
        {3, "png", "ZLIB9"}, {3, "exr", "PXR24"}, {3, "tiff", "PACKBITS"},  {1, "bmp", "RLE"},
        {1, "tga", "RLE"},   {1, "exr", "ZIP"},   {1, "tiff", "CCITTFAX3"}, {0, "png", "NONE"},
        {0, "", "NONE"},     {1, "", ""},         {2, "bmp", ""},           {1, "jpg", ""},
        {1, "TIFF", ""},  // format keys are compared exactly
    };
    for (const Case& row : cases) {
        EXPECT_EQ(keywordName(keyword_table::compression, row.code, row.format), row.name)
            << row.code << " for '" << row.format << "'";
    }
}

TEST(KeywordName, GivesTheKeywordBackOrNothing) {
    EXPECT_EQ(keywordName(keyword_table::resizeFilter, 3), "BICUBIC");
    EXPECT_EQ(keywordName(keyword_table::anchorPosition, 8), "BOTTOMRIGHT");
    EXPECT_EQ(keywordName(keyword_table::anchorPosition, 9), "");
    EXPECT_EQ(keywordName(keyword_table::rawLoadMode, 4), "48HS");
    EXPECT_EQ(keywordName(keyword_table::frameKind, 1), "SOLID");
    EXPECT_EQ(keywordName(keyword_table::watermarkKind, 2), "IMAGE");
    EXPECT_EQ(keywordName(keyword_table::watermarkSizeMode, 1), "");
    EXPECT_EQ(keywordName(22, 0), "");
    EXPECT_EQ(keywordName(-1, 0), "");
}

TEST(KeywordName, EveryNameParsesBackToItsCode) {
    for (int table = 0; table <= keyword_table::fileTimestamp; ++table) {
        if (table == keyword_table::frameKind || table == keyword_table::watermarkKind) {
            continue;
        }
        for (int32_t code = 0; code < 10; ++code) {
            for (const char* format : {"", "bmp", "exr", "png", "tiff"}) {
                std::string name = keywordName(table, code, format);
                if (!name.empty()) {
                    EXPECT_EQ(parseKeyword(name, table), code) << name << " in " << table;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessaro::test
