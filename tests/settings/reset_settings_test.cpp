#include <gtest/gtest.h>

#include "settings/local_time.h"
#include "settings/reset_settings.h"

namespace tessaro::test {
namespace {

TEST(ResetSettings, ConsoleModeAloneDropsTheAspectRatio) {
    Settings console;
    resetSettings(console, true);
    EXPECT_EQ(console.transform.keepAspectRatio, 0);

    Settings window;
    window.transform.keepAspectRatio = 0;
    resetSettings(window, false);
    EXPECT_EQ(window.transform.keepAspectRatio, 1);

    EXPECT_EQ(console.window.x, window.window.x);
    EXPECT_EQ(console.output.jpgQuality, window.output.jpgQuality);
}

TEST(ResetSettings, CentresTheWindowOnTheDisplay) {
    struct Case {
        DisplaySize display;
        int32_t x;
        int32_t y;
    };
    const Case cases[] = {
        {{1920, 1080}, 705, 410}, {{1366, 768}, 428, 254}, {{511, 261}, 0, 0},
        {{510, 260}, 100, 100},   {{320, 240}, 100, 100},  {{1921, 200}, 705, 100},
        {{0, 0}, 100, 100},
    };
    for (const Case& row : cases) {
        Settings settings;
        resetSettings(settings, false, row.display);
        EXPECT_EQ(settings.window.x, row.x) << row.display.width;
        EXPECT_EQ(settings.window.y, row.y) << row.display.height;
        EXPECT_EQ(settings.window.width, 510);
        EXPECT_EQ(settings.window.height, 260);
    }
    Settings unknownDisplay;
    resetSettings(unknownDisplay, true);
    EXPECT_EQ(unknownDisplay.window.x, 705);
    EXPECT_EQ(unknownDisplay.window.y, 410);
}

TEST(ResetSettings, ReplacesEveryFieldWithItsDefault) {
    Settings settings;
    settings.general.cfg = 3;
    settings.output.jpgQuality = 12;
    settings.watermark.text = "changed";
    settings.advanced.filenameMask = "%n%";
    settings.file.recentOutFolders = "/tmp/a\t/tmp/b";
    settings.input.format = "gif";
    settings.transform.imageResizeAlgorithm = 0;
    settings.adjustment.imageGamma = 2.5f;

    int32_t before = currentLocalTimestamp();
    resetSettings(settings, false);
    int32_t after = currentLocalTimestamp();

    EXPECT_EQ(settings.general.cfg, 17);
    EXPECT_EQ(settings.general.language, "en");
    EXPECT_GE(settings.general.updateDate, before);
    EXPECT_LE(settings.general.updateDate, after);
    EXPECT_EQ(settings.advanced.customTimestamp, settings.general.updateDate);
    EXPECT_EQ(settings.input.format, "ico");
    EXPECT_EQ(settings.output.format, "jpg");
    EXPECT_EQ(settings.output.jpgQuality, 95);
    EXPECT_EQ(settings.input.rawToneMapping, 2);
    EXPECT_EQ(settings.transform.imageResizeAlgorithm, 3);
    EXPECT_FLOAT_EQ(settings.adjustment.imageGamma, 1.0f);
    EXPECT_EQ(settings.watermark.textPosition, 8);
    EXPECT_EQ(settings.watermark.imagePosition, 8);
    EXPECT_EQ(settings.watermark.backOpacity, 1);
    EXPECT_EQ(settings.frame.solidOpacity, 255);
    EXPECT_EQ(settings.watermark.fontColor, "FFFFFF");
    EXPECT_EQ(settings.watermark.backColors, settings.watermark.fontColors);
    EXPECT_FALSE(settings.watermark.text.empty());
    EXPECT_NE(settings.watermark.text, "changed");
    EXPECT_EQ(settings.advanced.filenameMask, "%filename%.%ext%");
    EXPECT_EQ(settings.advanced.outFoldersNumber, 5);
    EXPECT_EQ(settings.file.recentOutFolders, "");
}

TEST(LocalTime, CountsTheLocalWallClock) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    int32_t stamp = currentLocalTimestamp();
    // The stamp differs from the UTC count by the local offset, give or take
    // the second that may pass between the two readings.
    EXPECT_NEAR(static_cast<double>(stamp), static_cast<double>(now + local.tm_gmtoff), 2.0);
}

}  // namespace
}  // namespace tessaro::test
