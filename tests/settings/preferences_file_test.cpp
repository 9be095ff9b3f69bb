#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/local_time.h"
#include "settings/preferences_file.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

// The text between the header of `group` and the next header.
std::string groupText(const std::string& file, const std::string& group) {
    std::size_t start = file.find("[" + group + "]\r\n");
    if (start == std::string::npos) {
        return "(missing)";
    }
    start = file.find("\r\n", start) + 2;
    return file.substr(start, file.find("\r\n[", start) + 2 - start);
}

class PreferencesFile : public ::testing::Test {
protected:
    std::string path() const { return (home.root() / "config.ini").string(); }

    bool load(Settings& settings, DisplaySize primaryDisplay = {}) const {
        tessaro::PreferencesFile file{path()};
        return loadPreferences(settings, file, primaryDisplay);
    }
    Result<void> save(const Settings& settings) const {
        return savePreferences(settings, {path()});
    }

    Settings loadText(std::string_view text) {
        writeBytes(path(), text);
        Settings settings;
        EXPECT_TRUE(load(settings));
        return settings;
    }

    Settings defaults() const {
        Settings settings;
        resetSettings(settings, false);
        return settings;
    }

    ScratchHome home;
};

TEST_F(PreferencesFile, FirstSaveOfTheDefaultsHasTheFixedLayout) {
    Settings settings;
    EXPECT_FALSE(load(settings));
    ASSERT_TRUE(save(settings));
    std::string file = readBytes(path());

    EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\nLanguage = en\r\n"));
    EXPECT_TRUE(file.ends_with("\r\n[Privacy]\r\nClean Recent Files = 0\r\n; \r\n"));
    EXPECT_EQ(file.find("\n\r\n", 4), std::string::npos) << "no blank lines after the first";
    EXPECT_EQ(file.find("\n\n"), std::string::npos);

    EXPECT_EQ(groupText(file, "Window"),
              "IsMaximized = 0\r\nWidth = 510\r\nHeight = 260\r\nX = 705\r\nY = 410\r\n; \r\n");
    EXPECT_EQ(groupText(file, "Input"), "Format = ico\r\nICO Frame Loading = 0\r\n; \r\n");
    EXPECT_EQ(groupText(file, "Output"),
              "Format = jpg\r\nJPG BPP = 0\r\nJPG Quality = 95\r\nJPG Chroma = 0\r\n"
              "JPG Save As = 0\r\n; \r\n");
    EXPECT_NE(groupText(file, "Adjustment").find("\r\nImage Gamma = 1.000000\r\n"),
              std::string::npos);
    EXPECT_NE(groupText(file, "Watermark")
                  .find("Back Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,"
                        "8000FF\r\n"),
              std::string::npos);

    std::string groupsInOrder;
    for (std::size_t at = file.find("\n["); at != std::string::npos;
         at = file.find("\n[", at + 1)) {
        groupsInOrder += file.substr(at + 1, file.find(']', at) - at);
    }
    EXPECT_EQ(groupsInOrder,
              "[General][Window][Interface][Input][Output][Transform][Adjustment][Frame]"
              "[Watermark][Advanced][File][Privacy]");
}

TEST_F(PreferencesFile, SavedValuesLoadBackUnchanged) {
    Settings saved = defaults();
    saved.general.language = "de";
    saved.general.updateDate = 1234567890;
    saved.window = {1, -20, 30, 800, 600};
    saved.interface.uiTheme = "flat";
    saved.input.format = "gif";
    saved.input.icoFrameLoading = 3;
    saved.output.jpgQuality = 70;
    saved.output.jpgChroma = 2;
    saved.transform.imageRotationBackColor = "FF8000";
    saved.transform.imageRotation = -90;
    saved.transform.keepAspectRatio = 0;
    saved.adjustment.imageGamma = 2.25f;
    saved.adjustment.imageBrightness = -100;
    saved.frame.solidOpacity = 128;
    saved.watermark.text =
        "Gr\xC3\xBC\xC3\x9F"
        "e = \"quoted\" ; not a comment";
    saved.watermark.imageRotation = 45;
    saved.watermark.textPosition = 4;
    saved.advanced.filenameMask = "%filename%_%n%.%ext%";
    saved.advanced.customTimestamp = -5;
    saved.advanced.outFoldersNumber = 127;
    saved.file.recentOutFolders = "/home/user/out/\t/tmp/other folder/";
    saved.privacy.cleanRecentFiles = 1;
    ASSERT_TRUE(save(saved));

    Settings loaded;
    ASSERT_TRUE(load(loaded));
    EXPECT_EQ(loaded.general.cfg, 17);
    EXPECT_EQ(loaded.general.language, "de");
    EXPECT_EQ(loaded.general.updateDate, 1234567890);
    EXPECT_EQ(loaded.window.isMaximized, 1);
    EXPECT_EQ(loaded.window.x, -20);
    EXPECT_EQ(loaded.window.y, 30);
    EXPECT_EQ(loaded.window.width, 800);
    EXPECT_EQ(loaded.window.height, 600);
    EXPECT_EQ(loaded.interface.uiTheme, "flat");
    EXPECT_EQ(loaded.input.format, "gif");
    EXPECT_EQ(loaded.input.icoFrameLoading, 3);
    EXPECT_EQ(loaded.output.jpgQuality, 70);
    EXPECT_EQ(loaded.output.jpgChroma, 2);
    EXPECT_EQ(loaded.transform.imageRotationBackColor, "FF8000");
    EXPECT_EQ(loaded.transform.imageRotation, -90);
    EXPECT_EQ(loaded.transform.keepAspectRatio, 0);
    EXPECT_FLOAT_EQ(loaded.adjustment.imageGamma, 2.25f);
    EXPECT_EQ(loaded.adjustment.imageBrightness, -100);
    EXPECT_EQ(loaded.frame.solidOpacity, 128);
    EXPECT_EQ(loaded.watermark.text, saved.watermark.text);
    EXPECT_EQ(loaded.watermark.imageRotation, 45);
    EXPECT_EQ(loaded.watermark.textPosition, 4);
    EXPECT_EQ(loaded.advanced.filenameMask, "%filename%_%n%.%ext%");
    EXPECT_EQ(loaded.advanced.customTimestamp, -5);
    EXPECT_EQ(loaded.advanced.outFoldersNumber, 127);
    EXPECT_EQ(loaded.file.recentOutFolders, saved.file.recentOutFolders);
    EXPECT_EQ(loaded.privacy.cleanRecentFiles, 1);

    // Every written key reads back to the same text.
    std::string first = readBytes(path());
    ASSERT_TRUE(save(loaded));
    EXPECT_EQ(readBytes(path()), first);
}

TEST_F(PreferencesFile, MissingKeysTakeTheFileDefaults) {
    int32_t before = currentLocalTimestamp();
    Settings settings = loadText("\xEF\xBB\xBF\r\n[General]\r\nLanguage = fr\r\n");
    EXPECT_EQ(settings.general.language, "fr");
    EXPECT_EQ(settings.general.cfg, 0);
    EXPECT_EQ(settings.window.x, 100);
    EXPECT_EQ(settings.window.y, 100);
    EXPECT_EQ(settings.window.width, 510);
    EXPECT_EQ(settings.window.height, 260);
    EXPECT_EQ(settings.transform.keepAspectRatio, 1);
    EXPECT_GE(settings.general.updateDate, before);
    EXPECT_GE(settings.advanced.customTimestamp, before);
    EXPECT_EQ(settings.input.format, "ico");
    EXPECT_EQ(settings.output.format, "jpg");
    EXPECT_EQ(settings.output.jpgQuality, 95);
    EXPECT_EQ(settings.watermark.textPosition, 8);
    EXPECT_EQ(settings.advanced.filenameMask, "%filename%.%ext%");
}

TEST_F(PreferencesFile, AnUnreadableFileGivesTheResetDefaults) {
    Settings settings;
    settings.output.jpgQuality = 3;
    EXPECT_FALSE(load(settings, DisplaySize{1280, 1024}));
    EXPECT_EQ(settings.general.cfg, 17);
    EXPECT_EQ(settings.output.jpgQuality, 95);
    EXPECT_EQ(settings.window.x, 385);
    EXPECT_EQ(settings.window.y, 382);
    EXPECT_EQ(settings.transform.keepAspectRatio, 1);

    fs::create_directory(path());
    EXPECT_FALSE(load(settings));
}

TEST_F(PreferencesFile, OlderLayoutsAreUpgraded) {
    struct Case {
        const char* general;  // lines of [General]
        const char* mask;
        int rawLoadAs;
        const char* expectedMask;
        int expectedRawLoadAs;
    };
    const Case cases[] = {
        {"", "%filename%", 1, "%filename%.%ext%", 3},
        {"CFG = 10\r\n", "%filename%_%ext%", 0, "%filename%_%ext%", 0},
        {"CFG = 10\r\n", "%filename%.%EXT%", 5, "%filename%.%EXT%.%ext%", 7},
        {"CFG = 11\r\n", "%filename%", 1, "%filename%", 3},
        {"CFG = 13\r\n", "%filename%.%ext%", 1, "%filename%.%ext%", 3},
        {"CFG = 13\r\n", "%filename%.%ext%", 0, "%filename%.%ext%", 0},
        {"CFG = 14\r\n", "%filename%", 1, "%filename%", 1},
        {"CFG = 17\r\n", "x", 2, "x", 2},
    };
    for (const Case& row : cases) {
        Settings settings = loadText(std::string("[General]\r\n") + row.general +
                                     "[Input]\r\nRAW Load As = " + std::to_string(row.rawLoadAs) +
                                     "\r\n[Advanced]\r\nFilename Mask = " + row.mask + "\r\n");
        EXPECT_EQ(settings.advanced.filenameMask, row.expectedMask) << row.general << row.mask;
        EXPECT_EQ(settings.input.rawLoadAs, row.expectedRawLoadAs) << row.general;
    }
}

TEST_F(PreferencesFile, DamagedValuesReadAsZeroAndBytesKeepTheirLowBits) {
    Settings settings = loadText(
        "[Output]\r\nJPG Quality = high\r\nJPG BPP = 24bit\r\n"
        "[Adjustment]\r\nImage Gamma = gamma\r\nImage Brightness = +7\r\nImage Contrast = -12x\r\n"
        "[Frame]\r\nDo Frame = 300\r\nSolid Left = 4294967301\r\n"
        "[Watermark]\r\nText Position = -129\r\nFont Size = \r\n"
        "[Transform]\r\nImage Rotation = 1.9\r\n");
    EXPECT_EQ(settings.output.jpgQuality, 0);
    EXPECT_EQ(settings.output.jpgBpp, 24);
    EXPECT_FLOAT_EQ(settings.adjustment.imageGamma, 0.0f);
    EXPECT_EQ(settings.adjustment.imageBrightness, 7);
    EXPECT_EQ(settings.adjustment.imageContrast, -12);
    EXPECT_EQ(settings.frame.doFrame, 44);
    EXPECT_EQ(settings.frame.solidLeft, 5);
    EXPECT_EQ(settings.watermark.textPosition, 127);
    EXPECT_EQ(settings.watermark.fontSize, 0);
    EXPECT_EQ(settings.transform.imageRotation, 1);

    for (auto [text, gamma] : {std::pair{"2.5xyz", 2.5f},
                               {"-0.25", -0.25f},
                               {"3", 3.0f},
                               {"7.", 7.0f},
                               {".", 0.0f},
                               {"1e3", 1.0f}}) {
        Settings read = loadText(std::string("[Adjustment]\r\nImage Gamma = ") + text + "\r\n");
        EXPECT_FLOAT_EQ(read.adjustment.imageGamma, gamma) << text;
    }
}

TEST_F(PreferencesFile, NamesMatchInAnyCaseAndLatin1IsConverted) {
    Settings settings = loadText(
        "[general]\r\ncfg = 17\r\nLANGUAGE = de\r\n[OUTPUT]\r\njpg quality = 80\r\n"
        "[Watermark]\r\nText = \xA9 caf\xE9\r\n");
    EXPECT_EQ(settings.general.cfg, 17);
    EXPECT_EQ(settings.general.language, "de");
    EXPECT_EQ(settings.output.jpgQuality, 80);
    EXPECT_EQ(settings.watermark.text, "\xC2\xA9 caf\xC3\xA9");
}

TEST_F(PreferencesFile, OnlyTheProductsFormatKeysSurviveASave) {
    Settings settings = loadText(
        "[Output]\r\nPNG BPP = 24\r\nJPG BPP = 8\r\n[Input]\r\nRAW Load As = 4\r\nCFG = 17\r\n"
        "[General]\r\nCFG = 17\r\n[Hand Made]\r\nKey = value\r\n");
    EXPECT_EQ(settings.output.pngBpp, 24);
    EXPECT_EQ(settings.input.rawLoadAs, 4);
    ASSERT_TRUE(save(settings));
    std::string file = readBytes(path());
    EXPECT_EQ(file.find("PNG BPP"), std::string::npos);
    EXPECT_EQ(file.find("RAW Load As"), std::string::npos);
    EXPECT_EQ(file.find("Hand Made"), std::string::npos);
    EXPECT_NE(file.find("\r\nJPG BPP = 8\r\n"), std::string::npos);
}

TEST_F(PreferencesFile, WindowGeometryIsSavedOnlyWhenKept) {
    Settings settings = defaults();
    settings.general.saveWindowPosition = 0;
    settings.window = {1, 5, 6, 700, 500};
    ASSERT_TRUE(save(settings));
    std::string file = readBytes(path());
    EXPECT_NE(file.find("\r\n[Window]\r\n; \r\n[Interface]\r\n"), std::string::npos);

    Settings loaded;
    ASSERT_TRUE(load(loaded));
    EXPECT_EQ(loaded.window.isMaximized, 0);
    EXPECT_EQ(loaded.window.x, 100);
    EXPECT_EQ(loaded.window.y, 100);
    EXPECT_EQ(loaded.window.width, 510);
    EXPECT_EQ(loaded.window.height, 260);
}

TEST_F(PreferencesFile, LineBreaksInTextsCannotForgeKeys) {
    Settings settings = defaults();
    settings.file.recentOutFolders = "/tmp/a\r\n[General]\r\nCFG = 3\n/tmp/b";
    ASSERT_TRUE(save(settings));
    Settings loaded;
    ASSERT_TRUE(load(loaded));
    EXPECT_EQ(loaded.general.cfg, 17);
    EXPECT_EQ(loaded.file.recentOutFolders, "/tmp/a[General]CFG = 3/tmp/b");
}

TEST_F(PreferencesFile, AFailedSaveLeavesTheOldFile) {
    writeBytes(path(), "old contents");

    // Files may not grow beyond 64 bytes: the new text cannot be written.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 64;
    sighandler_t previousHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool saved = save(defaults()).ok();
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readBytes(path()), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.root()), fs::directory_iterator()),
              3);  // config.ini beside the scratch home's own two folders

    EXPECT_FALSE(savePreferences(defaults(), {(home.root() / "missing" / "config.ini").string()}));
    EXPECT_FALSE(savePreferences(defaults(), {""}));
}

TEST_F(PreferencesFile, AReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    }
    fs::path folder = home.root() / "locked";
    fs::create_directory(folder);
    std::string locked = (folder / "config.ini").string();
    writeBytes(locked, "old contents");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(savePreferences(defaults(), {locked}));
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(readBytes(locked), "old contents");
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(PreferencesFile, PathFollowsTheConfigurationHome) {
    std::string configHome = (home.root() / "xdg").string();
    {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", configHome.c_str());
        EXPECT_EQ(preferencesPath(false), configHome + "/Brimvale/tessaro/config.ini");
        EXPECT_FALSE(fs::exists(configHome));
        std::string created = preferencesPath(true);
        EXPECT_TRUE(fs::is_directory(configHome + "/Brimvale/tessaro"));
        EXPECT_TRUE(savePreferences(defaults(), {created}));
        EXPECT_TRUE(fs::is_regular_file(created));
    }
    std::string userHome = (home.root() / "user").string();
    ScopedEnvironment homeVariable("HOME", userHome.c_str());
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(preferencesPath(false), userHome + "/.config/Brimvale/tessaro/config.ini");
    }
}

}  // namespace
}  // namespace tessaro::test
