#include "cli/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/option_table.h"
#include "settings/setting_codes.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

class ProfileFile : public ::testing::Test {
protected:
    // Writes `bytes` as they are into a profile file and loads it.
    Settings load(const std::string& bytes) {
        std::filesystem::path path = folder.root() / "profile.bvp";
        std::ofstream(path, std::ios::binary) << bytes;
        Settings settings;
        EXPECT_TRUE(loadProfile(path.string(), settings).ok());
        return settings;
    }

    ScratchHome folder;
};

TEST_F(ProfileFile, AppliesTheKeysOfGroupCliInAnyCase) {
    Settings settings = load("[cli]\r\n--jpg-quality = 70\r\n--Wm-Text=Proof\r\n");
    EXPECT_EQ(settings.output.jpgQuality, 70);
    EXPECT_EQ(settings.watermark.doWatermark, storedCode(WatermarkType::text));
    EXPECT_EQ(settings.watermark.text, "Proof");
}

TEST_F(ProfileFile, ReadsUtf8WithMarkAndLatin1Without) {
    EXPECT_EQ(load("\xEF\xBB\xBF\r\n[CLI]\r\n--WM-TEXT=Caf\xC3\xA9\r\n").watermark.text,
              "Caf\xC3\xA9");
    EXPECT_EQ(load("[CLI]\n--WM-TEXT=Caf\xE9\n").watermark.text, "Caf\xC3\xA9");
}

TEST_F(ProfileFile, EndsLinesAtCrOrLf) {
    Settings settings = load("[CLI]\r--JPG-QUALITY=70\r--WIDTH=$20\r");
    EXPECT_EQ(settings.output.jpgQuality, 70);
    EXPECT_EQ(settings.transform.imageWidth, 32);
    EXPECT_EQ(settings.transform.doImageResize, 1);
}

TEST_F(ProfileFile, ReadsOnlyTheFirstCliGroupAndAppliesRepeatedKeysInOrder) {
    Settings settings = load(
        "--JPG-QUALITY=10\n[Settings]\n--JPG-QUALITY=20\n[CLI]\n--JPG-QUALITY=70\n"
        "--JPG-QUALITY=75\n[Other]\n--JPG-QUALITY=30\n[CLI]\n--JPG-QUALITY=40\n");
    EXPECT_EQ(settings.output.jpgQuality, 75);
}

TEST_F(ProfileFile, ChangesNothingWithoutGroupCli) {
    Settings settings = load("[Settings]\n--JPG-QUALITY=70\n");
    EXPECT_EQ(settings.output.jpgQuality, Settings{}.output.jpgQuality);
}

TEST_F(ProfileFile, KnowsTheFrameOpacityByItsProfileKey) {
    EXPECT_EQ(load("[CLI]\n--FR-SOLID-OPACITY=128\n").frame.solidOpacity, 255);
    Settings settings = load("[CLI]\n--wm-solid-opacity=128\n");
    EXPECT_EQ(settings.frame.solidOpacity, 128);
    EXPECT_EQ(settings.frame.doFrame, storedCode(FrameType::none));
}

TEST_F(ProfileFile, KeepsQuotesExceptAroundTheMask) {
    Settings settings = load(
        "[CLI]\n--WM-TEXT= \"Proof\" \n--FILENAME-MASK=\"\"%filename%_p.%ext%\"\n"
        "--ROTATION-BACK-COLOR=\"FF0000\"\n");
    EXPECT_EQ(settings.watermark.text, "\"Proof\"");
    EXPECT_EQ(settings.advanced.filenameMask, "%filename%_p.%ext%");
    EXPECT_EQ(settings.transform.imageRotationBackColor, "\"FF0000\"");
}

TEST_F(ProfileFile, ReadsValueKindsAsTheCommandLineDoes) {
    Settings settings = load(
        "[CLI]\n--GAMMA=2.5\n--JPG-CHROMA=medium\n--RESIZE-ALGORITHM=lanczos\n"
        "--BRIGHTNESS=%1010\n--WM-FONT-STYLE=bolditalic\n--JPG-SAVE-AS=unknown\n");
    EXPECT_FLOAT_EQ(settings.adjustment.imageGamma, 2.5f);
    EXPECT_EQ(settings.adjustment.doImageColorCorrection, 1);
    EXPECT_EQ(settings.adjustment.imageBrightness, 10);
    EXPECT_EQ(settings.output.jpgChroma, storedCode(JpegChroma::medium));
    EXPECT_EQ(settings.transform.imageResizeAlgorithm, storedCode(ResizeAlgorithm::lanczos));
    EXPECT_EQ(settings.watermark.fontStyle, storedCode(FontStyle::boldItalic));
    EXPECT_EQ(settings.output.jpgSaveAs, storedCode(JpegEncoding::standard));
}

TEST_F(ProfileFile, AppliesValuelessKeysWhateverTheirValue) {
    Settings settings = load("[CLI]\n--PNG-INTERLACED=0\n--NO-SUBFOLDERS=1\n--INVERT\n");
    EXPECT_EQ(settings.output.pngInterlaced, 1);
    EXPECT_EQ(settings.advanced.keepSubfolders, 0);
    // "--INVERT" without "=" is no key line at all.
    EXPECT_EQ(settings.adjustment.imageInvert, 0);
    EXPECT_EQ(load("[CLI]\n--INVERT=no\n").adjustment.imageInvert, 1);
}

TEST_F(ProfileFile, IgnoresOptionsThatAreNoSettings) {
    Settings settings = load(
        "[CLI]\n--INPUT=a.ico\n-I=a.ico\n--PROFILE=other.bvp\n--DEBUG=1\n-Q=1\n--COLOUR=red\n"
        "--JPG-QUALITY=60\n");
    EXPECT_EQ(settings.output.jpgQuality, 60);
}

TEST_F(ProfileFile, FailsForAnEmptyPathAMissingFileOrAFolder) {
    Settings settings;
    settings.output.jpgQuality = 42;
    EXPECT_FALSE(loadProfile("", settings).ok());
    const Result<void> missing = loadProfile((folder.root() / "missing.bvp").string(), settings);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().reason, "No such file or directory");
    const Result<void> folderRead = loadProfile(folder.root().string(), settings);
    ASSERT_FALSE(folderRead.ok());
    EXPECT_EQ(folderRead.failure().reason, "not a regular file");
    EXPECT_EQ(settings.output.jpgQuality, 42);
}

TEST_F(ProfileFile, ReadsAFileThatIsNoIniAsEmpty) {
    Settings settings = load(std::string("\x00\x01\xFFgarbage\n=\n[", 13));
    EXPECT_EQ(settings.output.jpgQuality, 95);
}

TEST(ProfileKeys, AreTheLongOptionsInTheirOrderOfComparison) {
    const std::vector<std::string> expected = {"--DDS-LOAD-AS",
                                               "--GIF-FRAME-LOADING",
                                               "--ICO-FRAME-LOADING",
                                               "--RAW-LOAD-AS",
                                               "--RAW-HEADER-SIZE",
                                               "--RAW-WIDTH",
                                               "--RAW-HEIGHT",
                                               "--RAW-TONE-MAPPING",
                                               "--TIFF-FRAME-LOADING",
                                               "--BMP-BPP",
                                               "--BMP-COMPRESSION",
                                               "--BMP-COLOR-TABLE",
                                               "--DDS-BPP",
                                               "--EXR-BPP",
                                               "--EXR-COMPRESSION",
                                               "--GIF-BPP",
                                               "--HDR-BPP",
                                               "--ICO-BPP",
                                               "--J2K-BPP",
                                               "--JNG-BPP",
                                               "--JP2-BPP",
                                               "--JPG-BPP",
                                               "--JPG-QUALITY",
                                               "--JPG-CHROMA",
                                               "--JPG-SAVE-AS",
                                               "--JXR-BPP",
                                               "--PBM-BPP",
                                               "--PCX-BPP",
                                               "--PFM-BPP",
                                               "--PGM-BPP",
                                               "--PNG-BPP",
                                               "--PNG-COMPRESSION",
                                               "--PNG-INTERLACED",
                                               "--PPM-BPP",
                                               "--PSD-BPP",
                                               "--TGA-BPP",
                                               "--TGA-COMPRESSION",
                                               "--TIFF-BPP",
                                               "--TIFF-COMPRESSION",
                                               "--TIFF-COLOR-MODEL",
                                               "--WBMP-BPP",
                                               "--WEBP-BPP",
                                               "--XPM-BPP",
                                               "--ROTATION-TYPE",
                                               "--ROTATION",
                                               "--ROTATION-BACK-COLOR",
                                               "--WIDTH",
                                               "--WIDTH-UNIT",
                                               "--HEIGHT",
                                               "--HEIGHT-UNIT",
                                               "--KEEP-ASPECT-RATIO",
                                               "--RESIZE-TYPE",
                                               "--RESIZE-ALGORITHM",
                                               "--FLIP-HORIZONTAL",
                                               "--FLIP-VERTICAL",
                                               "--BRIGHTNESS",
                                               "--CONTRAST",
                                               "--GAMMA",
                                               "--INVERT",
                                               "--GREYSCALE",
                                               "--THRESHOLD",
                                               "--FR-SOLID-LEFT",
                                               "--FR-SOLID-RIGHT",
                                               "--FR-SOLID-TOP",
                                               "--FR-SOLID-BOTTOM",
                                               "--FR-SOLID-LEFT-COLOR",
                                               "--FR-SOLID-RIGHT-COLOR",
                                               "--FR-SOLID-TOP-COLOR",
                                               "--FR-SOLID-BOTTOM-COLOR",
                                               "--WM-SOLID-OPACITY",
                                               "--WM-TEXT",
                                               "--WM-FONT",
                                               "--WM-FONT-SIZE",
                                               "--WM-FONT-LEADING",
                                               "--WM-FONT-COLOR",
                                               "--WM-FONT-STYLE",
                                               "--WM-FONT-EFFECT",
                                               "--WM-TEXT-ANTIALIASING",
                                               "--WM-TEXT-ALIGNMENT",
                                               "--WM-TEXT-PADDING",
                                               "--WM-TEXT-OPACITY",
                                               "--WM-BACK-COLOR",
                                               "--WM-BACK-OPACITY",
                                               "--WM-TEXT-BOUNDARY",
                                               "--WM-TEXT-POSITION",
                                               "--WM-TEXT-X-OFFSET",
                                               "--WM-TEXT-Y-OFFSET",
                                               "--WM-TEXT-ROTATION",
                                               "--WM-TEXT-SIZE",
                                               "--WM-IMAGE",
                                               "--WM-IMAGE-GREYSCALE",
                                               "--WM-IMAGE-OPACITY",
                                               "--WM-IMAGE-BOUNDARY",
                                               "--WM-IMAGE-POSITION",
                                               "--WM-IMAGE-X-OFFSET",
                                               "--WM-IMAGE-Y-OFFSET",
                                               "--WM-IMAGE-ROTATION",
                                               "--WM-IMAGE-SIZE",
                                               "--FILENAME-MASK",
                                               "--FILE-TIMESTAMP",
                                               "--FILE-TIMESTAMP-CUSTOM",
                                               "--NO-SUBFOLDERS"};
    std::vector<std::string> keys;
    for (const OptionSpec& option : optionTable()) {
        if (!option.profileKey.empty()) {
            keys.emplace_back(option.profileKey);
        }
    }
    EXPECT_EQ(keys, expected);
}

TEST(OptionTable, FindsEveryOptionByEachOfItsNames) {
    for (const OptionSpec& option : optionTable()) {
        EXPECT_EQ(findOption(option.longName), &option) << option.longName;
        if (!option.shortName.empty()) {
            EXPECT_EQ(findOption(option.shortName), &option) << option.shortName;
        }
        if (!option.profileKey.empty()) {
            EXPECT_EQ(findProfileOption(option.profileKey), &option) << option.profileKey;
        }
        bool hasTarget = !std::holds_alternative<std::monostate>(option.target);
        EXPECT_EQ(hasTarget, option.role == OptionRole::setting) << option.longName;
    }
    EXPECT_EQ(findOption("--jpg-quality"), nullptr);
    EXPECT_EQ(findProfileOption("--FR-SOLID-OPACITY"), nullptr);
}

}  // namespace
}  // namespace tessaro::test
