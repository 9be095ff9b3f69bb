#include "l10n/text_case.h"

#include <locale.h>
#include <wctype.h>

#include "l10n/letter_case.h"
#include "l10n/utf8.h"

namespace tessaro {
namespace {

enum class Mapping { lower, upper };

// The case tables of the UTF-8 C locale cover all of Unicode and do not depend
// on the user's locale settings, so file names come out the same everywhere.
locale_t unicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

char32_t mapCharacter(char32_t character, Mapping mapping) {
    // ASCII maps the same in every locale; masks and extensions are mostly
    // ASCII, so a plain run never loads the locale's case tables.
    if (character < 0x80) {
        char ascii = static_cast<char>(character);
        return static_cast<unsigned char>(mapping == Mapping::lower ? asciiLower(ascii)
                                                                    : asciiUpper(ascii));
    }
    locale_t locale = unicodeLocale();
    wint_t wide = static_cast<wint_t>(character);
    if (locale == locale_t{}) {
        return static_cast<char32_t>(mapping == Mapping::lower ? towlower(wide) : towupper(wide));
    }
    return static_cast<char32_t>(mapping == Mapping::lower ? towlower_l(wide, locale)
                                                           : towupper_l(wide, locale));
}

// Reads one UTF-8 sequence at `text[position]`; `length` is 0 when the bytes
// there do not form a valid sequence.
char32_t decodeCharacter(std::string_view text, size_t position, size_t& length) {
    length = utf8SequenceLength(text.substr(position));
    if (length == 0) {
        return 0;
    }
    auto lead = static_cast<unsigned char>(text[position]);
    static constexpr unsigned char leadBits[] = {0x7F, 0x1F, 0x0F, 0x07};
    char32_t character = lead & leadBits[length - 1];
    for (size_t i = 1; i < length; ++i) {
        character = (character << 6) | (static_cast<unsigned char>(text[position + i]) & 0x3F);
    }
    return character;
}

void encodeCharacter(char32_t character, std::string& out) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// Maps the first character with `first` and every later one with `rest`.
std::string mapText(std::string_view text, Mapping first, Mapping rest) {
    std::string out;
    out.reserve(text.size());
    size_t position = 0;
    bool isFirst = true;
    while (position < text.size()) {
        size_t length = 0;
        char32_t character = decodeCharacter(text, position, length);
        if (length == 0) {
            out += text[position];
            ++position;
        } else {
            encodeCharacter(mapCharacter(character, isFirst ? first : rest), out);
            position += length;
        }
        isFirst = false;
    }
    return out;
}

}  // namespace

std::string lowerCaseText(std::string_view text) {
    return mapText(text, Mapping::lower, Mapping::lower);
}

std::string upperCaseText(std::string_view text) {
    return mapText(text, Mapping::upper, Mapping::upper);
}

std::string titleCaseText(std::string_view text) {
    return mapText(text, Mapping::upper, Mapping::lower);
}

}  // namespace tessaro
