#include <gtest/gtest.h>

#include <string>

#include "themes/theme_config.h"

namespace tessaro::test {
namespace {

struct ValueCase {
    const char* what;
    std::string text;
    const char* group;
    const char* key;
    const char* expected;
};

TEST(ReadThemeValue, FollowsTheLineAndGroupRules) {
    const ValueCase cases[] = {
        {"plain entry", "[Buttons]\r\nConvert=go.png\r\n", "Buttons", "Convert", "go.png"},
        {"group and key in any case", "[buttons]\r\nCONVERT=go\r\n", "Buttons", "convert", "go"},
        {"prefix: the first line that begins with the key counts",
         "[Icons]\r\nWebsite=site\r\nWeb=web\r\n", "Icons", "Web", "site"},
        {"the first line of the text is never a key", "Name=Early\r\n[Theme]Name=Late\r\n", "Theme",
         "Name", ""},
        {"a key after the group header line", "Name=Early\r\n[Theme]\r\nName=Late\r\n", "Theme",
         "Name", "Late"},
        {"the last entry needs its line end", "[Theme]\r\nName=Ocean", "Theme", "Name", ""},
        {"a key of the next group is not this group's", "[Theme]\r\nA=1\r\n[Icons]\r\nName=x\r\n",
         "Theme", "Name", ""},
        {"a [ in a value ends the group", "[Buttons]\r\nA=[x]\r\nConvert=go\r\n", "Buttons",
         "Convert", ""},
        {"the value stops at a second =", "[Buttons]\r\nConvert=go=stop\r\n", "Buttons", "Convert",
         "go"},
        {"blanks, then TAB, trimmed", "[Theme]\r\nName = \tOcean Blue\t \r\n", "Theme", "Name",
         "Ocean Blue"},
        {"blanks inside TABs stay", "[Theme]\r\nName=\t Ocean \t\r\n", "Theme", "Name", " Ocean "},
        {"a line without =", "[Theme]\r\nName\r\n", "Theme", "Name", ""},
        {"missing group", "[Icons]\r\nNew=new\r\n", "Buttons", "New", ""},
        {"LF line ends are not lines", "[Theme]\nName=Ocean\n", "Theme", "Name", ""},
        {"empty text", "", "Theme", "Name", ""},
    };
    for (const ValueCase& row : cases) {
        EXPECT_EQ(readThemeValue(row.text, row.group, row.key), row.expected) << row.what;
    }
}

}  // namespace
}  // namespace tessaro::test
