#include "ui/qt_text.h"

#include "l10n/string_table.h"

namespace tessaro {

QString uiText(std::string_view group, std::string_view key) {
    return toQString(getText(group, key));
}

}  // namespace tessaro
