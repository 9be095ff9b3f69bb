#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/option_table.h"
#include "platform/program_folder.h"
#include "support/program_runner.h"
#include "update/manual_location.h"

namespace tessaro::test {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string lowerAscii(std::string_view text) {
    std::string lower{text};
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// True when `name` stands in `text` as a whole option name, not only as the
// start of a longer one ("--wm-text" inside "--wm-text-size" does not count).
bool mentionsOption(const std::string& text, const std::string& name) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        const char next = end < text.size() ? text[end] : ' ';
        const bool continuesName =
            (next >= 'a' && next <= 'z') || (next >= '0' && next <= '9') || next == '-';
        if (!continuesName) {
            return true;
        }
    }
    return false;
}

TEST(Manual, BuildPlacesItBesideTheExecutable) {
    const std::string found = manualPath();
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(std::filesystem::path{found},
              std::filesystem::path{programFolder()} / "doc" / "manual.html");
}

TEST(Manual, DocumentsEveryConsoleOption) {
    const std::string manual = readFile(manualPath());
    ASSERT_TRUE(manual.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(manual.find("</html>"), std::string::npos);
    for (const OptionSpec& option : optionTable()) {
        EXPECT_TRUE(mentionsOption(manual, lowerAscii(option.longName))) << option.longName;
        if (!option.shortName.empty()) {
            EXPECT_TRUE(mentionsOption(manual, "<code>" + lowerAscii(option.shortName)))
                << option.shortName;
        }
    }
    for (const char* first : {"-h", "-?", "--help", "-v", "--version"}) {
        EXPECT_TRUE(mentionsOption(manual, first)) << first;
    }
    EXPECT_NE(manual.find("$XDG_CONFIG_HOME/Brimvale/tessaro/config.ini"), std::string::npos);
}

TEST(Manual, InstalledCopyIsFoundBelowThePrefix) {
    ScratchHome scratch;
    const std::filesystem::path bin = scratch.root() / "usr" / "bin";
    const std::filesystem::path docs = scratch.root() / "usr" / "share" / "doc" / "tessaro";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(findManual(bin.string() + "/"), "");

    std::filesystem::create_directories(docs);
    std::ofstream(docs / "manual.html") << "<!DOCTYPE html>";
    EXPECT_EQ(findManual(bin.string() + "/"), (docs / "manual.html").string());

    // A copy beside the executable wins over the installed one.
    std::filesystem::create_directories(bin / "doc");
    std::ofstream(bin / "doc" / "manual.html") << "<!DOCTYPE html>";
    EXPECT_EQ(findManual(bin.string() + "/"), (bin / "doc" / "manual.html").string());
    EXPECT_EQ(findManual(""), "");
}

}  // namespace
}  // namespace tessaro::test
