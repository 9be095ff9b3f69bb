#include "settings/setting_code.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "settings/setting_codes.h"

namespace tessaro::test {
namespace {

TEST(SettingCode, StoredNumbersOutsideTheEnumAreNoValue) {
    EXPECT_EQ(codeOf<AnchorPosition>(8), AnchorPosition::bottomRight);
    EXPECT_EQ(codeOf<AnchorPosition>(0), AnchorPosition::topLeft);
    EXPECT_EQ(codeOf<AnchorPosition>(9), std::nullopt);
    EXPECT_EQ(codeOf<AnchorPosition>(-1), std::nullopt);
    EXPECT_EQ(codeOf<WatermarkSizeMode>(1), WatermarkSizeMode::proportional);
    EXPECT_EQ(codeOf<WatermarkSizeMode>(4), std::nullopt);
    EXPECT_EQ(codeOf<ResizeAlgorithm>(-56), std::nullopt);  // 200 kept as a byte
}

TEST(SettingCode, ListEntriesStandAtTheIndexOfTheirCode) {
    const std::vector<std::string_view> algorithms = listTexts<ResizeAlgorithm>();
    ASSERT_EQ(algorithms.size(), 6u);
    EXPECT_EQ(algorithms[storedCode(ResizeAlgorithm::box)], "Box");
    EXPECT_EQ(algorithms[storedCode(ResizeAlgorithm::lanczos)], "Lanczos");
    // A value the list does not offer is left out at the end.
    EXPECT_EQ(listTexts<TiffColorModel>(), (std::vector<std::string_view>{"RGB", "CMYK"}));
    EXPECT_EQ(listTexts<WatermarkSizeMode>(), std::vector<std::string_view>{"Fixed"});
    EXPECT_EQ(listTexts<IconSize>(), (std::vector<std::string_view>{"Small", "Medium", "Large"}));
}

}  // namespace
}  // namespace tessaro::test
