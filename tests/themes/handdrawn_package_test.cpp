#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "platform/program_folder.h"
#include "themes/image_keys.h"
#include "themes/png_fixture.h"
#include "themes/theme_config.h"
#include "themes/theme_folder.h"
#include "themes/theme_images.h"
#include "themes/theme_scan.h"
#include "themes/zip_archive.h"

namespace tessaro::test {
namespace {

// The default theme the build places beside the executable.
class HanddrawnPackage : public ::testing::Test {
protected:
    void SetUp() override { state.folder = programFolder() + "gfx/"; }

    ThemeState state;
    std::string path() const { return state.folder + "handdrawn.zip"; }
};

TEST_F(HanddrawnPackage, CarriesEveryIconAtEverySize) {
    auto sizes = listZipEntries(path());
    ASSERT_TRUE(sizes);
    auto config = readZipEntries(path(), {"theme.cfg"}, maxThemeConfigSize);
    ASSERT_TRUE(config && config->contains("theme.cfg"));
    const std::string& text = config->at("theme.cfg");

    std::map<std::string, PixelSize> expected;
    for (const ImageKey& icon : menuIcons) {
        std::string baseName = readThemeValue(text, "Icons", icon.key);
        ASSERT_FALSE(baseName.empty()) << icon.key;
        for (int pixels : {16, 24, 32, 48, 64}) {
            expected[baseName + "_" + std::to_string(pixels) + ".png"] = {pixels, pixels};
        }
    }
    for (const ImageKey& button : buttonImages) {
        std::string baseName = readThemeValue(text, "Buttons", button.key);
        ASSERT_FALSE(baseName.empty()) << button.key;
        int pixels = button.key == "Convert" ? 64 : 48;
        expected[baseName + "_16.png"] = {pixels, pixels};
    }
    std::set<std::string> names;
    for (const auto& [name, size] : expected) {
        names.insert(name);
    }
    auto pictures = readZipEntries(path(), names, maxThemePictureSize);
    ASSERT_TRUE(pictures);
    for (const auto& [name, size] : expected) {
        ASSERT_TRUE(pictures->contains(name)) << name;
        EXPECT_EQ(decodedPngSize(pictures->at(name)), size) << name;
    }
}

TEST_F(HanddrawnPackage, IsListedAndLoadsLargeToolbarIcons) {
    EXPECT_EQ(themeFolder(), state.folder) << "gfx/ beside the executable comes first";
    scanThemes(state);
    ASSERT_FALSE(state.themeNames.empty());
    EXPECT_EQ(themeDisplayName(state, "handdrawn"), "Hand-drawn");

    InterfaceSettings interface;
    interface.uiSize = storedCode(IconSize::huge);
    ASSERT_EQ(loadThemeImages(state, interface, {}, pngDecodes), ThemeLoadResult::loaded);
    for (const ImageKey& icon : toolbarIcons) {
        EXPECT_EQ(decodedPngSize(state.images[icon.number]), (PixelSize{64, 64})) << icon.key;
    }
    for (const ImageKey& icon : menuIcons) {
        EXPECT_EQ(decodedPngSize(state.images[icon.number]), (PixelSize{16, 16})) << icon.key;
    }
    EXPECT_EQ(decodedPngSize(state.images[imageNumberOf(buttonImages, "Convert")]),
              (PixelSize{64, 64}));
}

}  // namespace
}  // namespace tessaro::test
