#include <gtest/gtest.h>

#include <set>
#include <string>

#include "themes/built_in_images.h"
#include "themes/image_keys.h"
#include "themes/png_fixture.h"

namespace tessaro::test {
namespace {

TEST(IconSizeOf, MapsSizeIndexesToPixels) {
    const std::pair<int32_t, int> cases[] = {
        {storedCode(IconSize::small), 16},
        {storedCode(IconSize::medium), 24},
        {storedCode(IconSize::large), 32},
        {storedCode(IconSize::extraLarge), 48},
        {storedCode(IconSize::huge), 64},
        // Numbers that are no size give the small icons.
        {5, 16},
        {-1, 16},
    };
    for (auto [index, pixels] : cases) {
        EXPECT_EQ(iconSizeOf(index), pixels) << "index " << index;
    }
}

TEST(ImageKeys, NumbersAreUniqueAndMenuAndToolbarShareTheirKeys) {
    std::set<int> numbers{aboutBannerImage};
    for (const auto* map : {&menuIcons, &toolbarIcons}) {
        for (const ImageKey& icon : *map) {
            EXPECT_TRUE(numbers.insert(icon.number).second) << icon.key;
        }
    }
    for (const ImageKey& button : buttonImages) {
        EXPECT_TRUE(numbers.insert(button.number).second) << button.key;
    }
    ASSERT_EQ(menuIcons.size(), toolbarIcons.size());
    for (std::size_t i = 0; i < menuIcons.size(); ++i) {
        EXPECT_EQ(menuIcons[i].key, toolbarIcons[i].key);
    }
    EXPECT_EQ(imageNumberOf(menuIcons, "Email"), 25);
    EXPECT_EQ(imageNumberOf(toolbarIcons, "About"), 52);
    EXPECT_EQ(imageNumberOf(buttonImages, "convert"), -1);
}

TEST(BuiltInImages, EveryNumberHoldsAPngOfItsSize) {
    ThemeState state;
    loadBuiltInImages(state);

    std::map<int, PixelSize> expected{{aboutBannerImage, {360, 40}}};
    expected[imageNumberOf(buttonImages, "Convert")] = {64, 64};
    expected[imageNumberOf(buttonImages, "InFiles")] = {48, 48};
    expected[imageNumberOf(buttonImages, "InFolder")] = {48, 48};
    for (const auto* map : {&menuIcons, &toolbarIcons}) {
        for (const ImageKey& icon : *map) {
            expected[icon.number] = {16, 16};
        }
    }
    EXPECT_EQ(state.images.size(), expected.size());
    for (const auto& [number, size] : expected) {
        std::optional<PixelSize> decoded = decodedPngSize(state.images[number]);
        ASSERT_TRUE(decoded) << "image " << number;
        EXPECT_EQ(*decoded, size) << "image " << number;
    }
    std::set<std::string> distinctIcons;
    for (std::size_t i = 0; i < menuIcons.size(); ++i) {
        EXPECT_EQ(state.images[menuIcons[i].number], state.images[toolbarIcons[i].number]);
        distinctIcons.insert(state.images[menuIcons[i].number]);
    }
    EXPECT_EQ(distinctIcons.size(), menuIcons.size()) << "every key has a picture of its own";
}

}  // namespace
}  // namespace tessaro::test
