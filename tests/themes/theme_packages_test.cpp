#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/fifo_guard.h"
#include "support/program_runner.h"
#include "themes/image_keys.h"
#include "themes/png_fixture.h"
#include "themes/theme_images.h"
#include "themes/theme_scan.h"
#include "themes/zip_archive.h"
#include "themes/zip_writer.h"

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
        const Result<void> written = writeZipArchive(packagePath(baseName), entries);
        ASSERT_TRUE(written.ok()) << written.failure().reason;
    }

    void writeFile(const std::string& baseName, const std::string& content) const {
        std::ofstream(packagePath(baseName), std::ios::binary) << content;
    }

    static std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
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
    interface.uiSize = storedCode(IconSize::extraLarge);
    load("sizes");
    EXPECT_EQ(state.images[newMenuIcon], picture16);
    EXPECT_EQ(state.images[newToolbarIcon], picture48);

    // A change of the icon size reloads the toolbar alone.
    state.images[newMenuIcon] = "previous";
    interface.uiSize = storedCode(IconSize::small);
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
    // Cut after its description, before the central directory: no package,
    // however readable its first entry is.
    writePackage("whole", {{"theme.cfg", "[Theme]\r\nName=Whole\r\n"}, {"go.png", picture20}});
    std::string whole = readFile(packagePath("whole"));
    writeFile("truncated", whole.substr(0, whole.find("go.png")));
    EXPECT_EQ(themeDisplayName(state, "ocean"), "Ocean Blue");
    EXPECT_EQ(themeDisplayName(state, "latin"), "Th\xc3\xa8me");
    EXPECT_EQ(themeDisplayName(state, "bare"), "");
    EXPECT_EQ(themeDisplayName(state, "missing"), "missing");
    EXPECT_EQ(themeDisplayName(state, "empty"), "empty");
    EXPECT_EQ(themeDisplayName(state, "broken"), "broken");
    EXPECT_EQ(themeDisplayName(state, "truncated"), "truncated");
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
    std::string bytes = readFile(packagePath("whole"));
    // Cut inside the picture's data, so neither the directory nor the entry survives.
    writeFile("truncated", bytes.substr(0, bytes.find("go.png") + 20));
    writeFile("garbage", std::string(500, 'x'));

    for (const char* theme : {"truncated", "garbage"}) {
        EXPECT_EQ(load(theme), ThemeLoadResult::unreadablePackage) << theme;
        EXPECT_EQ(interface.uiTheme, theme);
        EXPECT_EQ(state.images[convertButton], "previous") << theme;
    }
}

// Packages beyond the bounds are listed by their base names and load
// nothing, however sound their first entries are: a package followed by a
// 4 GiB sparse tail (which no longer ends in its directory), and one entry
// more than a theme may hold.
TEST_F(ThemePackages, PackagesBeyondTheBoundsAreNoPackages) {
    const Entries described = {{"theme.cfg",
                                "[Theme]\r\nName=Named\r\n[Buttons]\r\n"
                                "Convert=go.png\r\n"},
                               {"go.png", picture20}};
    writePackage("huge", described);
    fs::resize_file(packagePath("huge"), std::uintmax_t{4} << 30);

    Entries many = described;
    while (many.size() < maxThemeEntries) {
        many.emplace_back("filler" + std::to_string(many.size()), "x");
    }
    writePackage("most", many);
    many.emplace_back("one-too-many", "x");
    writePackage("many", many);

    scanThemes(state);
    ASSERT_EQ(state.themeNames.size(), 3u);
    EXPECT_EQ(state.themeNames[0].displayName, "huge");
    EXPECT_EQ(state.themeNames[1].displayName, "many");
    EXPECT_EQ(state.themeNames[2].displayName, "Named");
    for (const char* theme : {"huge", "many"}) {
        EXPECT_EQ(load(theme), ThemeLoadResult::unreadablePackage) << theme;
        EXPECT_EQ(state.images[convertButton], "previous") << theme;
    }
    EXPECT_EQ(load("most"), ThemeLoadResult::loaded);
    EXPECT_EQ(state.images[convertButton], picture20);
}

// The names of the package files the system saw opened in a folder since the
// last call.
class OpenedFiles {
public:
    explicit OpenedFiles(const std::string& folder)
        : watch_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        inotify_add_watch(watch_, folder.c_str(), IN_OPEN);
    }
    ~OpenedFiles() { close(watch_); }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    std::vector<std::string> take() const {
        std::vector<std::string> names;
        alignas(inotify_event) std::array<char, 4096> buffer;
        ssize_t length = 0;
        while ((length = read(watch_, buffer.data(), buffer.size())) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                if (event->len > 0) {
                    names.emplace_back(event->name);
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int watch_;
};

TEST_F(ThemePackages, AScanOpensOnlyPackagesThatChangedSinceTheLastOne) {
    writePackage("alpha", {{"theme.cfg", "[Theme]\r\nName=Alpha\r\n"}});
    writePackage("beta", {{"theme.cfg", "[Theme]\r\nName=Beta\r\n"}});
    const OpenedFiles opened(state.folder);
    scanThemes(state);
    EXPECT_EQ(opened.take(), (std::vector<std::string>{"alpha.zip", "beta.zip"}));

    scanThemes(state);
    EXPECT_EQ(opened.take(), std::vector<std::string>{});
    ASSERT_EQ(state.themeNames.size(), 2u);
    EXPECT_EQ(state.themeNames[1].displayName, "Beta");

    writePackage("beta", {{"theme.cfg", "[Theme]\r\nName=Better\r\n"}});
    fs::remove(packagePath("alpha"));
    opened.take();
    scanThemes(state);
    EXPECT_EQ(opened.take(), std::vector<std::string>{"beta.zip"});
    ASSERT_EQ(state.themeNames.size(), 1u);
    EXPECT_EQ(state.themeNames[0].displayName, "Better");
}

// A FIFO put where a package was is refused without waiting for a writer.
TEST_F(ThemePackages, AFifoIsNoPackage) {
    ASSERT_EQ(mkfifo(packagePath("fifo").c_str(), 0600), 0);
    EXPECT_TRUE(endsWithoutAWriter(packagePath("fifo"), [&] {
        EXPECT_FALSE(listZipEntries(packagePath("fifo")));
        EXPECT_FALSE(readZipEntries(packagePath("fifo"), {"theme.cfg"}, maxThemeConfigSize));
    }));
}

}  // namespace
}  // namespace tessaro::test
