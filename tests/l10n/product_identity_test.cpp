#include "l10n/product_identity.h"

#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

TEST(ProductIdentity, WritesVersionNumbersAsDottedText) {
    const std::pair<int32_t, const char*> cases[] = {
        {270, "2.7"}, {271, "2.7.1"}, {300, "3.0"}, {309, "3.0.9"},
        {1, "1"},     {10, "1.0"},    {27, "2.7"},
    };
    for (const auto& [number, text] : cases)
        EXPECT_EQ(versionText(number), text) << number;
    // The build's own version text and the program's version number agree.
    EXPECT_EQ(versionText(programVersion), TESSARO_VERSION_TEXT);
    EXPECT_EQ(productTitle(productName, programVersion), "Brimvale ICO to JPG 2.7");
}

}  // namespace
}  // namespace tessaro::test
