#include "engine/format_registry.h"

#include <gtest/gtest.h>

#include <FreeImage.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string_view>
#include <vector>

#include "settings/product_formats.h"

namespace tessaro::test {
namespace {

bool isLowerCaseWord(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

// A row left out of a table's initializer would be an empty row; a repeated
// key would hide the row after it from every lookup.
TEST(FormatRegistry, EveryOutputRowIsCompleteAndFoundByItsKey) {
    std::set<int32_t> fifs;
    for (const ImageFormat& row : outputFormats) {
        SCOPED_TRACE(row.key);
        EXPECT_TRUE(isLowerCaseWord(row.key));
        EXPECT_FALSE(row.description.empty());
        EXPECT_TRUE(fifs.insert(row.fif).second) << "one row per FreeImage format";
        EXPECT_EQ(findOutputFormat(row.key), &row);
        const std::vector<int32_t> depths = allowedBppList(row.key);
        EXPECT_FALSE(depths.empty());
        EXPECT_TRUE(std::ranges::adjacent_find(depths, std::greater_equal<>{}) == depths.end())
            << "depths ascend: " << row.allowedBpps;
    }
    EXPECT_TRUE(std::ranges::is_sorted(outputFormats, {}, &ImageFormat::key));
}

// The extensions of one format follow each other, its key's own first, as the
// open dialog lists them.
TEST(FormatRegistry, EveryInputRowIsCompleteAndFoundByItsExtension) {
    std::set<std::string_view> keysSeen;
    std::string_view currentKey;
    for (const InputFormat& row : inputFormats) {
        SCOPED_TRACE(row.extension);
        EXPECT_TRUE(isLowerCaseWord(row.extension));
        EXPECT_FALSE(row.description.empty());
        EXPECT_EQ(findInputFormat(row.extension), &row);
        if (row.formatKey != currentKey) {
            EXPECT_TRUE(keysSeen.insert(row.formatKey).second)
                << "the rows of " << row.formatKey << " follow each other";
            EXPECT_EQ(row.extension, row.formatKey) << "a format's own extension comes first";
            currentKey = row.formatKey;
        }
    }
}

TEST(FormatRegistry, OutputLookups) {
    const ImageFormat* jpg = findOutputFormat("jpg");
    ASSERT_NE(jpg, nullptr);
    EXPECT_EQ(jpg->fif, FIF_JPEG);
    EXPECT_EQ(jpg->description, "JPEG File Format");
    EXPECT_EQ(jpg->allowedBpps, "8,24");

    const ImageFormat* tiff = findOutputFormat("tiff");
    ASSERT_NE(tiff, nullptr);
    EXPECT_EQ(tiff->fif, FIF_TIFF);
    EXPECT_EQ(findOutputFormat("tif"), nullptr);
    EXPECT_EQ(findOutputFormat("JPG"), nullptr);
    EXPECT_EQ(findOutputFormat("psd"), nullptr);

    EXPECT_EQ(findOutputFormat("hdr")->description, "High Dynamic Range Image");
    EXPECT_EQ(findOutputFormat("tga")->fif, FIF_TARGA);
    EXPECT_EQ(findOutputFormat("webp")->fif, FIF_WEBP);
    EXPECT_EQ(findOutputFormat("jxr")->fif, FIF_JXR);
}

TEST(FormatRegistry, InputLookups) {
    const InputFormat* jpeg = findInputFormat("jpeg");
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->formatKey, "jpg");
    EXPECT_EQ(jpeg->description, "JPEG File");

    const InputFormat* apm = findInputFormat("apm");
    ASSERT_NE(apm, nullptr);
    EXPECT_EQ(apm->formatKey, "wmf");
    EXPECT_EQ(apm->description, "Aldus Placeable Metafile");

    EXPECT_EQ(findInputFormat("hdr")->description, "High Dynamic Range File");
    EXPECT_EQ(findInputFormat("cr2")->description, "Canon Camera RAW Image");
    EXPECT_EQ(findInputFormat("ICO"), nullptr);
    EXPECT_EQ(findInputFormat("xyz"), nullptr);
}

TEST(FormatRegistry, ProductLists) {
    EXPECT_EQ(productInputFormats(), std::vector<std::string>{"ico"});
    EXPECT_EQ(productOutputFormats(), std::vector<std::string>{"jpg"});
    EXPECT_EQ(acceptedInputExtensions(), std::vector<std::string>{"ico"});
}

TEST(FormatRegistry, AcceptedExtensionsFollowTheKeyOrder) {
    std::vector<std::string> raw = acceptedInputExtensions(std::vector<std::string>{"raw"});
    ASSERT_EQ(raw.size(), 48u);
    EXPECT_EQ(raw.front(), "raw");
    EXPECT_EQ(raw.back(), "rwl");

    std::vector<std::string> keys{"tiff", "jpg"};
    EXPECT_EQ(acceptedInputExtensions(keys),
              (std::vector<std::string>{"tiff", "tif", "jpg", "jpeg", "jpe", "jif"}));
    EXPECT_TRUE(acceptedInputExtensions(std::vector<std::string>{"xyz"}).empty());
}

TEST(FormatRegistry, AllowedDepths) {
    EXPECT_EQ(allowedBppList("png"), (std::vector<int32_t>{1, 4, 8, 24, 32, 48}));
    EXPECT_EQ(allowedBppList("exr"), std::vector<int32_t>{96});
    EXPECT_TRUE(allowedBppList("psd").empty());

    struct Case {
        std::string_view key;
        int32_t bpp;
        bool allowed;
    };
    const Case cases[] = {
        {"jpg", 0, true},   {"jpg", 8, true},   {"jpg", 24, true},  {"jpg", 16, false},
        {"jpg", 32, false}, {"jpg", 2, false},  {"jpg", -8, false}, {"png", 48, true},
        {"png", 4, true},   {"png", 16, false}, {"exr", 96, true},  {"exr", 9, false},
        {"tiff", 96, true}, {"wbmp", 1, true},  {"xpm", 0, true},   {"xpm", 32, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isAllowedBpp(c.key, c.bpp), c.allowed) << c.key << " " << c.bpp;
    }
}

TEST(FormatRegistry, OnlyTheProductOutputIsAConversionType) {
    EXPECT_TRUE(isOutputFormat("jpg"));
    EXPECT_FALSE(isOutputFormat("JPG"));
    EXPECT_FALSE(isOutputFormat("png"));
    EXPECT_FALSE(isOutputFormat("jpeg"));
    EXPECT_FALSE(isOutputFormat(""));
}

}  // namespace
}  // namespace tessaro::test
