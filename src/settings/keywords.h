#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// Numbers of the keyword tables that name the coded settings values on the
// command line, in profiles and in the debug listing.
namespace keyword_table {
inline constexpr int ddsLoadMode = 0;
inline constexpr int rawLoadMode = 1;
inline constexpr int frameSelection = 2;
inline constexpr int toneMapping = 3;
inline constexpr int compression = 4;
inline constexpr int bmpPalette = 5;
inline constexpr int tiffColorModel = 6;
inline constexpr int jpegChroma = 7;
inline constexpr int jpegEncoding = 8;
inline constexpr int rotationType = 9;
inline constexpr int sizeUnit = 10;
inline constexpr int resizeType = 11;
inline constexpr int resizeFilter = 12;
inline constexpr int frameKind = 13;
inline constexpr int watermarkKind = 14;
inline constexpr int fontStyle = 15;
inline constexpr int fontEffect = 16;
inline constexpr int textAlignment = 17;
inline constexpr int placementArea = 18;
inline constexpr int anchorPosition = 19;
inline constexpr int watermarkSizeMode = 20;
inline constexpr int fileTimestamp = 21;
}  // namespace keyword_table

// The code of `text` in `table`: the text is upper-cased and compared whole
// with each keyword in table order. Unknown text, an unknown table and the
// name-only tables (frame and watermark kind) give 0. Callers trim the text.
// The compression table accepts the keyword of any format.
int32_t parseKeyword(std::string_view text, int table);

// The first keyword of `table` with `code`, or "" when the table has none.
// For the compression table the keyword comes from the group of `formatKey`
// (an output format key such as "png"); with no format only "NONE" is known.
std::string keywordName(int table, int32_t code, std::string_view formatKey = {});

}  // namespace tessaro
