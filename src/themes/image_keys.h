#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/setting_codes.h"

namespace tessaro {

// Every picture of the window mode is an image number. Theme packages name
// their pictures by key; these maps turn a key into the number it replaces.
struct ImageKey {
    std::string_view key;
    int number = 0;
};

// The About window's banner (360 x 40); packages never replace it.
inline constexpr int aboutBannerImage = 0;

// Group "Buttons" of theme.cfg.
inline constexpr std::array<ImageKey, 3> buttonImages{{
    {"Convert", 2},
    {"InFiles", 3},
    {"InFolder", 4},
}};

namespace detail {

// Menus and the toolbar show the same pictures under the same keys (group
// "Icons" of theme.cfg); only the numbers differ, so both maps come from
// this one table.
struct IconNumbers {
    std::string_view key;
    int menuNumber = 0;
    int toolbarNumber = 0;
};

inline constexpr std::array<IconNumbers, 22> iconNumbers{{
    {"New", 5, 29},
    {"Add", 6, 30},
    {"InFiles", 7, 31},
    {"InFolder", 8, 32},
    {"OutFolder", 9, 33},
    {"OutFormat", 10, 34},
    {"FavFolder", 11, 35},
    {"ImportFiles", 12, 36},
    {"ExportFiles", 13, 37},
    {"Exit", 14, 38},
    {"Copy", 15, 39},
    {"Delete", 16, 40},
    {"SelectAll", 17, 41},
    {"Convert", 18, 42},
    {"Error", 19, 43},
    {"Preferences", 20, 44},
    {"CustomConverter", 21, 45},
    {"Help", 22, 46},
    {"Email", 25, 49},
    {"Web", 26, 50},
    {"Updates", 27, 51},
    {"About", 28, 52},
}};

template <int IconNumbers::*Number>
constexpr std::array<ImageKey, iconNumbers.size()> iconMap() {
    std::array<ImageKey, iconNumbers.size()> map{};
    for (std::size_t i = 0; i < iconNumbers.size(); ++i) {
        map[i] = {iconNumbers[i].key, iconNumbers[i].*Number};
    }
    return map;
}

}  // namespace detail

// Group "Icons" of theme.cfg, as menu icons (numbers 5 onwards) and as
// toolbar icons (numbers 29 onwards).
inline constexpr auto menuIcons = detail::iconMap<&detail::IconNumbers::menuNumber>();
inline constexpr auto toolbarIcons = detail::iconMap<&detail::IconNumbers::toolbarNumber>();

// The number a map gives a key (exact letters), or -1 when the map lacks it.
template <std::size_t Size>
constexpr int imageNumberOf(const std::array<ImageKey, Size>& map, std::string_view key) {
    for (const ImageKey& entry : map) {
        if (entry.key == key) {
            return entry.number;
        }
    }
    return -1;
}

// The pixel size of an icon size ("UI Size").
constexpr int iconSizeOf(IconSize size) {
    switch (size) {
        case IconSize::small:
            return 16;
        case IconSize::medium:
            return 24;
        case IconSize::large:
            return 32;
        case IconSize::extraLarge:
            return 48;
        case IconSize::huge:
            return 64;
    }
    return 16;
}

// The pixel size of a stored icon size; a number that is no size gives the
// small icons' 16.
constexpr int iconSizeOf(int32_t storedSize) {
    return iconSizeOf(codeOf<IconSize>(storedSize).value_or(IconSize::small));
}

}  // namespace tessaro
