#include "l10n/letter_case.h"

namespace tessaro {

std::string asciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& character : upper) {
        if (character >= 'a' && character <= 'z')
            character = static_cast<char>(character - 'a' + 'A');
    }
    return upper;
}

}  // namespace tessaro
