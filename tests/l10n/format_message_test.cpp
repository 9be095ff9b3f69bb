#include "l10n/format_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro::test {
namespace {

TEST(FormatMessage, FillsPlaceholdersInAnyLetterCase) {
    struct FormatCase {
        const char* text;
        std::vector<std::string_view> values;
        const char* result;
    };
    const FormatCase cases[] = {
        {"Files converted: %s1% of %s2%", {"3", ""}, "Files converted: 3 of %s2%"},
        {"Files converted: %s1% of %s2%", {"3", "4"}, "Files converted: 3 of 4"},
        {"%S1% and %s1%, %s1%", {"x"}, "x and x, x"},
        {"(%s1%/%s2%)", {"%s2%", "b"}, "(b/b)"},
        {"%s4%%s3%%s2%%s1%", {"a", "b", "c", "d"}, "dcba"},
        {"%s1", {"a"}, "%s1"},
        {"", {"a"}, ""},
        {"no placeholder", {"a", "b"}, "no placeholder"},
    };
    for (const FormatCase& format : cases) {
        std::vector<std::string_view> values = format.values;
        values.resize(4);
        EXPECT_EQ(formatMessage(format.text, values[0], values[1], values[2], values[3]),
                  format.result)
            << format.text;
    }
}

}  // namespace
}  // namespace tessaro::test
