#include "l10n/product_identity.h"

namespace tessaro {

std::string versionText(int32_t versionNumber) {
    std::string text = std::to_string(versionNumber);
    if (text.size() > 1)
        text.insert(1, ".");
    if (text.size() > 3)
        text.insert(3, ".");
    if (text.size() > 3 && text.back() == '0')
        text.resize(3);
    return text;
}

std::string productTitle(std::string_view name, int32_t versionNumber) {
    return std::string(name) + " " + versionText(versionNumber);
}

}  // namespace tessaro
