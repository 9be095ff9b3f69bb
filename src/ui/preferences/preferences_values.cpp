#include "ui/preferences/preferences_values.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "engine/hex_color.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

struct NamedColor {
    std::string_view hex;
    std::string_view nameKey;
};

constexpr std::array<NamedColor, 19> colorNames = {{
    {"000000", "Black"},  {"C0C0C0", "Silver"}, {"808080", "Gray"},   {"FFFFFF", "White"},
    {"800000", "Maroon"}, {"FF0000", "Red"},    {"800080", "Purple"}, {"FF00FF", "Fuchsia"},
    {"008000", "Green"},  {"00FF00", "Lime"},   {"808000", "Olive"},  {"FFFF00", "Yellow"},
    {"000080", "Navy"},   {"0000FF", "Blue"},   {"008080", "Teal"},   {"00FFFF", "Aqua"},
    {"FF8000", "Orange"}, {"804000", "Brown"},  {"8000FF", "Violet"},
}};

// The sign and the run of digits that open `text`, after leading blanks.
struct LeadingNumber {
    bool negative = false;
    QStringView digits;
    QStringView rest;  // what follows the digits
};

LeadingNumber leadingNumber(const QString& text) {
    QStringView view = QStringView(text).trimmed();
    LeadingNumber number;
    if (!view.isEmpty() && (view.front() == u'-' || view.front() == u'+')) {
        number.negative = view.front() == u'-';
        view = view.mid(1);
    }
    qsizetype count = 0;
    while (count < view.size() && view[count].isDigit() && view[count].unicode() < 128)
        ++count;
    number.digits = view.left(count);
    number.rest = view.mid(count);
    return number;
}

int64_t saturatedValue(QStringView digits) {
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (const QChar digit : digits)
        value = std::min(limit, value * 10 + (digit.unicode() - u'0'));
    return value;
}

int32_t clampedToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t readWholeNumber(const QString& text) {
    const LeadingNumber number = leadingNumber(text);
    const int64_t value = saturatedValue(number.digits);
    return clampedToInt32(number.negative ? -value : value);
}

int32_t readHundredths(const QString& text) {
    const LeadingNumber number = leadingNumber(text);
    int64_t value = saturatedValue(number.digits) * 100;
    QStringView fraction;
    if (!number.rest.isEmpty() && number.rest.front() == u'.')
        fraction = number.rest.mid(1);
    qsizetype count = 0;
    while (count < fraction.size() && fraction[count].isDigit() && fraction[count].unicode() < 128)
        ++count;
    fraction = fraction.left(count);
    const auto digitAt = [&fraction](qsizetype index) {
        return index < fraction.size() ? fraction[index].unicode() - u'0' : 0;
    };
    value += digitAt(0) * 10 + digitAt(1);
    // Everything past the second decimal decides the rounding: above one half
    // rounds up, exactly one half goes to the even neighbour.
    const int third = digitAt(2);
    const bool restNonZero = std::any_of(fraction.begin() + std::min<qsizetype>(3, fraction.size()),
                                         fraction.end(), [](QChar digit) { return digit != u'0'; });
    if (third > 5 || (third == 5 && (restNonZero || value % 2 == 1)))
        ++value;
    return clampedToInt32(number.negative ? -value : value);
}

QString hundredthsText(int32_t hundredths) {
    const int64_t magnitude = hundredths < 0 ? -int64_t{hundredths} : int64_t{hundredths};
    return QStringLiteral("%1%2.%3")
        .arg(hundredths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

std::string cleanedText(const QString& text) {
    QString cleaned = text.trimmed();
    cleaned.remove(QLatin1Char('\t'));
    cleaned.remove(QLatin1Char('\r'));
    cleaned.remove(QLatin1Char('\n'));
    return toUtf8(cleaned);
}

QStringList listEntries(const std::string& text) {
    QStringList entries = toQString(text).split(QLatin1Char(','));
    for (QString& entry : entries)
        entry = entry.trimmed();
    return entries;
}

QColor settingColor(const std::string& text) {
    const RGBQUAD color = parseHexColor(text);
    return QColor(color.rgbRed, color.rgbGreen, color.rgbBlue);
}

QString colorText(const QColor& color) {
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString colorName(const QColor& color) {
    const std::string hex = toUtf8(colorText(color));
    for (const NamedColor& named : colorNames) {
        if (named.hex == hex)
            return uiText("Preferences", named.nameKey);
    }
    return uiText("Preferences", "Color") + QStringLiteral(" #") + toQString(hex);
}

}  // namespace tessaro
