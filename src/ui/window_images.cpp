#include "ui/window_images.h"

namespace tessaro {

namespace {

QPixmap findImage(const std::map<std::string, QPixmap, std::less<>>& group, std::string_view key) {
    const auto found = group.find(key);
    return found != group.end() ? found->second : QPixmap();
}

}  // namespace

QIcon menuIcon(const WindowImages& images, std::string_view key) {
    return QIcon(findImage(images.menuIcons, key));
}

QIcon toolbarIcon(const WindowImages& images, std::string_view key) {
    return QIcon(findImage(images.toolbarIcons, key));
}

QPixmap buttonImage(const WindowImages& images, std::string_view key) {
    return findImage(images.buttons, key);
}

}  // namespace tessaro
