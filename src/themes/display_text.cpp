#include "themes/display_text.h"

#include "l10n/utf8.h"

namespace tessaro {

std::string utf8FromPackageText(const std::string& text) {
    if (isUtf8(text)) {
        return text;
    }
    return latin1ToUtf8(text);
}

}  // namespace tessaro
