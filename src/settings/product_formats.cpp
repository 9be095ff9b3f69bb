#include "settings/product_formats.h"

namespace tessaro {

const std::vector<std::string>& productInputFormats() {
    static const std::vector<std::string> formats{"ico"};
    return formats;
}

const std::vector<std::string>& productOutputFormats() {
    static const std::vector<std::string> formats{"jpg"};
    return formats;
}

}  // namespace tessaro
