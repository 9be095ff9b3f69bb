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
