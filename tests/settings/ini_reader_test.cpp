#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/ini_reader.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

TEST(IniReader, ReadsUtf8AfterByteOrderMarkAndLatin1Otherwise) {
    IniDocument utf8 = parseIniText("\xEF\xBB\xBF\r\n[Watermark]\r\nText = caf\xC3\xA9\r\n");
    EXPECT_EQ(utf8.value("Watermark", "Text"), "caf\xC3\xA9");

    IniDocument latin1 = parseIniText("[Watermark]\r\nText = caf\xE9 \xA9\r\n");
    EXPECT_EQ(latin1.value("Watermark", "Text"), "caf\xC3\xA9 \xC2\xA9");

    // A byte-order mark promises UTF-8; broken sequences do not leak through.
    IniDocument broken = parseIniText("\xEF\xBB\xBF[G]\nA = x\xE9y\nB = \xED\xA0\x80\n");
    EXPECT_EQ(broken.value("G", "A"), "x\xEF\xBF\xBDy");
    EXPECT_EQ(broken.value("G", "B"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(IniReader, LinesEndAtCrLfOrBoth) {
    for (const char* text : {"[G]\rA = 1\rB = 2\r", "[G]\nA = 1\nB = 2\n", "[G]\r\nA = 1\r\nB = 2",
                             "[G]\n\rA = 1\r\r\nB = 2"}) {
        IniDocument document = parseIniText(text);
        EXPECT_EQ(document.value("G", "A"), "1") << text;
        EXPECT_EQ(document.value("G", "B"), "2") << text;
    }
}

TEST(IniReader, NamesMatchInAnyCaseAndFirstGroupWins) {
    IniDocument document = parseIniText(
        "Stray = before any group\n"
        "[general]\nlanguage = en\nLANGUAGE = de\n"
        "[Other]\nLanguage = fr\n"
        "[GENERAL]\nLanguage = it\nCFG = 17\n");
    EXPECT_EQ(document.value("General", "Language"), "en");
    EXPECT_EQ(document.value("GENERAL", "language"), "en");
    EXPECT_EQ(document.value("General", "CFG"), std::nullopt);  // only in the second [General]
    EXPECT_EQ(document.value("Other", "LANGUAGE"), "fr");
    EXPECT_EQ(document.value("Missing", "Language"), std::nullopt);
    EXPECT_EQ(document.value("General", "Stray"), std::nullopt);
    ASSERT_NE(document.group("GeNeRaL"), nullptr);
    EXPECT_EQ(document.group("general")->entries.size(), 2u);  // repeated keys kept in order
}

TEST(IniReader, BlanksCommentsQuotesAndEqualsSigns) {
    IniDocument document = parseIniText(
        " \t[CLI]  trailing text\n"
        "\t--JPG-QUALITY \t=\t 70 \t\n"
        "; --WIDTH = 10\n"
        "  ;--HEIGHT = 10\n"
        "--WM-TEXT = \"a = b ; c\"\n"
        "no equals sign here\n"
        "--FILENAME-MASK=\n"
        "[Unclosed\n"
        "Key = in unclosed\n");
    const IniGroup* cli = document.group("cli");
    ASSERT_NE(cli, nullptr);
    ASSERT_EQ(cli->entries.size(), 3u);
    EXPECT_EQ(cli->entries[0].key, "--JPG-QUALITY");
    EXPECT_EQ(cli->entries[0].value, "70");
    EXPECT_EQ(cli->entries[1].value, "\"a = b ; c\"");
    EXPECT_EQ(cli->entries[2].key, "--FILENAME-MASK");
    EXPECT_EQ(cli->entries[2].value, "");
    EXPECT_EQ(document.value("Unclosed", "Key"), "in unclosed");
}

TEST(IniReader, OnlyRegularFilesWithinTheSizeLimitAreRead) {
    ScratchHome home;
    std::filesystem::path path = home.root() / "profile.bvp";
    EXPECT_EQ(readIniFile(path.string()).failure().reason, "No such file or directory");
    EXPECT_EQ(readIniFile(home.root().string()).failure().reason, "not a regular file");

    {
        std::ofstream file(path, std::ios::binary);
        file << "[CLI]\r\n--JPG-QUALITY = 70\r\n--WIDTH = 123456789\r\n";
    }
    Result<IniDocument> whole = readIniFile(path.string());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->value("CLI", "--WIDTH"), "123456789");

    // A file beyond the limit is not read at all, rather than read in part.
    EXPECT_EQ(readIniFile(path.string(), 30).failure().reason, "larger than 30 bytes");
}

}  // namespace
}  // namespace tessaro::test
