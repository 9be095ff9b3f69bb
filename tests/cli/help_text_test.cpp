#include "cli/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/first_argument_command.h"

namespace tessaro::test {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

TEST(HelpText, WritesVersionNumbersAsDottedText) {
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

TEST(HelpText, FillsPlaceholdersInAnyLetterCase) {
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

TEST(HelpText, FillsUsageWithCommandAndInputFormats) {
    const std::vector<std::string> formats = {"ico", "cur", "png"};
    std::set<std::string> named;
    for (int run = 0; run < 40; ++run) {
        std::vector<std::string> lines = splitLines(usageText("convert-icons", formats));
        ASSERT_EQ(lines.size(), 36u);
        EXPECT_EQ(lines[1], "Usage: convert-icons -i <filename> [options]");
        for (size_t index = 3; index <= 6; ++index) {
            const std::string& line = lines[index];
            ASSERT_EQ(line.rfind("  convert-icons -i ", 0), 0u) << line;
            size_t dot = line.find("example.") + 8;
            std::string format = line.substr(dot, line.find(' ', dot) - dot);
            EXPECT_TRUE(std::count(formats.begin(), formats.end(), format) == 1) << line;
            named.insert(format);
        }
    }
    EXPECT_EQ(named.size(), formats.size());
}

TEST(HelpText, AlignsOptionDescriptionsAtOneColumn) {
    std::vector<std::string> lines =
        splitLines(usageText("tessaro", std::vector<std::string>{"ico"}));
    int optionLines = 0;
    for (const std::string& line : lines) {
        if (line.rfind("  -", 0) != 0 && line.rfind("    ...", 0) != 0)
            continue;
        EXPECT_EQ(line.find_first_not_of(' ', line.find("  ", 4)), 28u) << line;
        ++optionLines;
    }
    EXPECT_EQ(optionLines, 20);
}

TEST(FirstArgumentCommand, NamesHelpAndVersionOnly) {
    const std::pair<const char*, std::optional<FirstArgumentCommand>> cases[] = {
        {"-h", FirstArgumentCommand::help},
        {"-?", FirstArgumentCommand::help},
        {"--HeLp", FirstArgumentCommand::help},
        {"-v", FirstArgumentCommand::version},
        {"--Version", FirstArgumentCommand::version},
        {"-help", std::nullopt},
        {"--version=1", FirstArgumentCommand::version},
        {" -h ", FirstArgumentCommand::help},
        {"-vh", std::nullopt},
        {"-i", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [argument, command] : cases) {
        EXPECT_EQ(findFirstArgumentCommand(argument), command) << argument;
    }
}

}  // namespace
}  // namespace tessaro::test
