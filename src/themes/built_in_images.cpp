#include "themes/built_in_images.h"

#include <string>

#include "themes/built_in_pictures.h"
#include "themes/image_keys.h"
#include "themes/picture_names.h"

namespace tessaro {
namespace {

void putPicture(ThemeState& state, int number, const std::string& name) {
    state.images[number] = std::string(builtInPicture(name));
}

}  // namespace

void loadBuiltInImages(ThemeState& state) {
    putPicture(state, aboutBannerImage, "about_banner");
    for (const ImageKey& button : buttonImages) {
        putPicture(state, button.number, buttonPictureNameOf(button.key));
    }
    for (const auto* map : {&menuIcons, &toolbarIcons}) {
        for (const ImageKey& icon : *map) {
            putPicture(state, icon.number, pictureNameOf(icon.key));
        }
    }
}

}  // namespace tessaro
