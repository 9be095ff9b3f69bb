#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/program_runner.h"
#include "themes/image_keys.h"
#include "themes/png_fixture.h"
#include "themes/theme_images.h"
#include "themes/theme_scan.h"
#include "themes/zip_archive.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::pair<std::string, std::string>>;

constexpr int convertButton = imageNumberOf(buttonImages, "Convert");
constexpr int newMenuIcon = imageNumberOf(menuIcons, "New");
constexpr int newToolbarIcon = imageNumberOf(toolbarIcons, "New");

// A gfx folder of its own, and pictures that say which entry they came from
// by their size.
class ThemePackages : public ::testing::Test {
protected:
    void SetUp() override {
        state.folder = (scratch.root() / "gfx").string() + "/";
        fs::create_directories(state.folder);
        for (int number : {convertButton, newMenuIcon, newToolbarIcon}) {
            state.images[number] = "previous";
        }
    }

    std::string packagePath(const std::string& baseName) const {
        return state.folder + baseName + ".zip";
    }

    void writePackage(const std::string& baseName, const Entries& entries) const {
        ASSERT_TRUE(writeZipArchive(packagePath(baseName), entries));
    }

    void writeFile(const std::string& baseName, const std::string& content) const {
        std::ofstream(packagePath(baseName), std::ios::binary) << content;
    }

    ThemeLoadResult load(const std::string& theme, ThemeImageGroups groups = {}) {
        interface.uiTheme = theme;
        return loadThemeImages(state, interface, groups, pngDecodes);
    }

    ScratchHome scratch;
    ThemeState state;
    InterfaceSettings interface;
};

const std::string picture20 = pngOfSize(20, 20);
const std::string picture16 = pngOfSize(16, 16);
const std::string picture48 = pngOfSize(48, 48);

TEST_F(ThemePackages, FullEntryNameReplacesTheButton) {
    writePackage("green",
                 {{"theme.cfg", "[Theme]\r\nName=Green\r\n[Buttons]\r\nConvert=go.png\r\n"},
                  {"go.png", picture20}});
    EXPECT_EQ(load("green"), ThemeLoadResult::loaded);
    EXPECT_EQ(state.images[convertButton], picture20);
    EXPECT_EQ(state.images[newMenuIcon], "previous");
}

TEST_F(ThemePackages, BaseNameAsksForTheSixteenPixelEntry) {
    writePackage("green", {{"theme.cfg", "[Buttons]\r\nConvert=go\r\n"},
                           {"go.png", picture20},
                           {"go_16.png", picture16}});
    load("green");
    EXPECT_EQ(state.images[convertButton], picture16);
}

TEST_F(ThemePackages, ToolbarIconsComeInTheChosenSize) {
    writePackage("sizes", {{"theme.cfg", "[Icons]\r\nNew=new\r\n"},
                           {"new_16.png", picture16},
                           {"new_48.png", picture48}});
    interface.uiSize = 3;
    load("sizes");
    EXPECT_EQ(state.images[newMenuIcon], picture16);
    EXPECT_EQ(state.images[newToolbarIcon], picture48);

    // A change of the icon size reloads the toolbar alone.
    state.images[newMenuIcon] = "previous";
    interface.uiSize = 0;
    load("sizes", {.buttons = false, .menuIcons = false, .toolbarIcons = true});
    EXPECT_EQ(state.images[newMenuIcon], "previous");
    EXPECT_EQ(state.images[newToolbarIcon], picture16);
}

TEST_F(ThemePackages, EntryNamesMatchWithTheirExactLetters) {
    writePackage("upper", {{"theme.cfg", "[Buttons]\r\nConvert=go.png\r\n[Icons]\r\nNew=new\r\n"},
                           {"GO.png", picture20},
                           {"New_16.png", picture16}});
    load("upper");
    EXPECT_EQ(state.images[convertButton], "previous");
    EXPECT_EQ(state.images[newMenuIcon], "previous");
}

TEST_F(ThemePackages, PicturesThatCannotBeUsedKeepTheCurrentOne) {
    writePackage(
        "odd", {{"theme.cfg", "[Buttons]\r\nConvert=\r\n[Icons]\r\nNew=new.png\r\nAdd=add.png\r\n"},
                {"_16.png", picture16},
                {"new.png", "GIF89a not a picture of this kind"},
                {"add.png", pngWithBrokenBody(16, 16)}});
    constexpr int addMenuIcon = imageNumberOf(menuIcons, "Add");
    state.images[addMenuIcon] = "previous";
    load("odd");
    EXPECT_EQ(state.images[convertButton], "previous");
    EXPECT_EQ(state.images[newMenuIcon], "previous");
    EXPECT_EQ(state.images[addMenuIcon], "previous");
}

TEST_F(ThemePackages, DisplayNameBeyondTheFirst255BytesIsEmptyWhileImagesLoad) {
    std::string config =
        "[Buttons]\r\nConvert=go.png\r\n;" + std::string(300, '-') + "\r\n[Theme]\r\nName=Late\r\n";
    writePackage("late", {{"theme.cfg", config}, {"go.png", picture20}});
    scanThemes(state);
    ASSERT_EQ(state.themeNames.size(), 1u);
    EXPECT_EQ(state.themeNames[0].baseName, "late");
    EXPECT_EQ(state.themeNames[0].displayName, "");
    load("late");
    EXPECT_EQ(state.images[convertButton], picture20);
}

TEST_F(ThemePackages, DisplayNames) {
    writePackage("ocean", {{"theme.cfg", "[Theme]\r\nName = Ocean Blue \r\n"}});
    writePackage("latin", {{"theme.cfg", "[Theme]\r\nName=Th\xe8me\r\n"}});
    writePackage("bare", {{"readme.txt", "no description"}});
    writeFile("empty", "");
    writeFile("broken", "PK\x03\x04 but nothing after it");
    EXPECT_EQ(themeDisplayName(state, "ocean"), "Ocean Blue");
    EXPECT_EQ(themeDisplayName(state, "latin"), "Th\xc3\xa8me");
    EXPECT_EQ(themeDisplayName(state, "bare"), "");
    EXPECT_EQ(themeDisplayName(state, "missing"), "missing");
    EXPECT_EQ(themeDisplayName(state, "empty"), "empty");
    EXPECT_EQ(themeDisplayName(state, "broken"), "broken");
}

TEST_F(ThemePackages, ScanListsZipFilesInNameOrder) {
    writePackage("zeta", {{"theme.cfg", "[Theme]\r\nName=Zeta\r\n"}});
    writePackage("alpha", {{"theme.cfg", "[Theme]\r\nName=Alpha\r\n"}});
    writeFile("notes", "");
    fs::rename(packagePath("notes"), state.folder + "notes.txt");
    fs::create_directories(state.folder + "folder.zip");
    writeFile("upper", "");
    fs::rename(packagePath("upper"), state.folder + "upper.ZIP");
    state.themeNames = {{"stale", "Stale"}};

    scanThemes(state);
    ASSERT_EQ(state.themeNames.size(), 2u);
    EXPECT_EQ(state.themeNames[0].baseName, "alpha");
    EXPECT_EQ(state.themeNames[0].displayName, "Alpha");
    EXPECT_EQ(state.themeNames[1].baseName, "zeta");
    EXPECT_EQ(state.themeNames[1].displayName, "Zeta");
}

TEST_F(ThemePackages, MissingChosenPackageFallsBackToTheLastOneFound) {
    writePackage("alpha", {{"theme.cfg", "[Buttons]\r\nConvert=a.png\r\n"}, {"a.png", picture16}});
    writePackage("beta", {{"theme.cfg", "[Buttons]\r\nConvert=b.png\r\n"}, {"b.png", picture20}});
    scanThemes(state);
    EXPECT_EQ(load("removed"), ThemeLoadResult::loaded);
    EXPECT_EQ(interface.uiTheme, "beta");
    EXPECT_EQ(state.images[convertButton], picture20);
}

TEST_F(ThemePackages, NoPackagesKeepThePicturesAndTheChoice) {
    scanThemes(state);
    EXPECT_TRUE(state.themeNames.empty());
    EXPECT_EQ(load("handdrawn"), ThemeLoadResult::noPackage);
    EXPECT_EQ(interface.uiTheme, "handdrawn");
    EXPECT_EQ(state.images[convertButton], "previous");
}

TEST_F(ThemePackages, OversizedEntriesAreIgnored) {
    std::string hugePicture = picture20 + std::string(maxThemePictureSize, '\0');
    writePackage("huge", {{"theme.cfg", "[Buttons]\r\nConvert=go.png\r\n[Icons]\r\nNew=new\r\n"},
                          {"go.png", hugePicture},
                          {"new_16.png", picture16}});
    load("huge");
    EXPECT_EQ(state.images[convertButton], "previous");
    EXPECT_EQ(state.images[newMenuIcon], picture16);

    std::string hugeConfig = "[Theme]\r\nName=Big\r\n[Buttons]\r\nConvert=go.png\r\n" +
                             std::string(maxThemeConfigSize, ';');
    writePackage("bigcfg", {{"theme.cfg", hugeConfig}, {"go.png", picture20}});
    load("bigcfg");
    EXPECT_EQ(state.images[convertButton], "previous");
    EXPECT_EQ(themeDisplayName(state, "bigcfg"), "");
}

TEST_F(ThemePackages, BrokenArchiveLeavesTheImagesAsTheyWere) {
    writePackage("whole",
                 {{"theme.cfg", "[Buttons]\r\nConvert=go.png\r\n"}, {"go.png", picture20}});
    std::ifstream whole(packagePath("whole"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    // Cut inside the picture's data, so neither the directory nor the entry survives.
    writeFile("truncated", bytes.substr(0, bytes.find("go.png") + 20));
    writeFile("garbage", std::string(500, 'x'));

    for (const char* theme : {"truncated", "garbage"}) {
        EXPECT_EQ(load(theme), ThemeLoadResult::unreadablePackage) << theme;
        EXPECT_EQ(interface.uiTheme, theme);
        EXPECT_EQ(state.images[convertButton], "previous") << theme;
    }
}

}  // namespace
}  // namespace tessaro::test
