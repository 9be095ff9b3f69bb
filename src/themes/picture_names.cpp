#include "themes/picture_names.h"

namespace tessaro {

std::string pictureNameOf(std::string_view key) {
    std::string name(key);
    for (char& letter : name) {
        if (letter >= 'A' && letter <= 'Z') {
            letter = static_cast<char>(letter - 'A' + 'a');
        }
    }
    return name;
}

std::string buttonPictureNameOf(std::string_view key) {
    return "button_" + pictureNameOf(key);
}

}  // namespace tessaro
