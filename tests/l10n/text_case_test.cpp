#include "l10n/text_case.h"

#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

TEST(TextCase, MapsCharactersNotBytes) {
    struct Case {
        std::string_view text;
        std::string_view lower;
        std::string_view upper;
        std::string_view title;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"Logo", "logo", "LOGO", "Logo"},
        {"äBC", "äbc", "ÄBC", "Äbc"},
        {"Ωμέγα", "ωμέγα", "ΩΜΈΓΑ", "Ωμέγα"},
        {"привет Мир", "привет мир", "ПРИВЕТ МИР", "Привет мир"},
        // Characters without case and four-byte sequences pass unchanged.
        {"x🙂y", "x🙂y", "X🙂Y", "X🙂y"},
        // Broken sequences are copied byte by byte, never dropped.
        {"a\xc3", "a\xc3", "A\xc3", "A\xc3"},
        {"\xe2\x28\xa1z", "\xe2\x28\xa1z", "\xe2\x28\xa1Z", "\xe2\x28\xa1z"},
        {"\xc0\xafQ", "\xc0\xafq", "\xc0\xafQ", "\xc0\xafq"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lowerCaseText(c.text), c.lower) << c.text;
        EXPECT_EQ(upperCaseText(c.text), c.upper) << c.text;
        EXPECT_EQ(titleCaseText(c.text), c.title) << c.text;
    }
}

}  // namespace
}  // namespace tessaro::test
