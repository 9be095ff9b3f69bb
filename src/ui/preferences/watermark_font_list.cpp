#include "ui/preferences/watermark_font_list.h"

#include <QStandardItemModel>
#include <cmath>

#include "engine/font_flags.h"
#include "platform/drawing/font_resolver.h"
#include "platform/drawing_api.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/preferences/preferences_values.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

// Sizes the chooser is opened with; larger ones would have it draw its
// sample at an absurd size.
constexpr int largestOpeningSize = 1000;

// The drawing module's flags of a chosen font's look.
int32_t fontFlagsOf(const QFont& font) {
    return (font.bold() ? tessaroFontBold : 0) | (font.italic() ? tessaroFontItalic : 0) |
           (font.underline() ? tessaroFontUnderline : 0) |
           (font.strikeOut() ? tessaroFontStrikeout : 0);
}

// The names the font list was filled from.
std::string listedFontNames(const WatermarkSettings& watermark) {
    return watermark.fonts.empty() ? watermark.font : watermark.fonts;
}

int pointsOf(const QFont& font) {
    return font.pointSize() > 0 ? font.pointSize()
                                : static_cast<int>(std::lround(font.pointSizeF()));
}

std::optional<QString> loadedFamily(const QString& name) {
    const std::optional<std::string> family = drawing::resolveFontFamily(toUtf8(name));
    return family ? std::optional(toQString(*family)) : std::nullopt;
}

std::optional<QString> matchedFamily(const QString& name) {
    const std::optional<std::string> family = drawing::matchedFontFamily(toUtf8(name));
    return family ? std::optional(toQString(*family)) : std::nullopt;
}

// The chooser shows the face a name really gives: the family it loads as, or
// for a name that does not load the face fontconfig would show instead.
QString openingFamily(const QString& listed) {
    if (std::optional<QString> family = loadedFamily(listed))
        return *family;
    return matchedFamily(listed).value_or(listed);
}

// The name the chooser's answer is kept under: the listed name when the
// chooser handed back the very face that name loads as, else the installed
// family fontconfig reports for the chosen one, so that a generic name
// ("Monospace") is kept as the face it stands for. Nothing when no face
// matches.
std::optional<QString> keptFontName(const QString& chosen, const QString& listed) {
    if (const std::optional<QString> family = loadedFamily(listed);
        family && family->compare(chosen, Qt::CaseInsensitive) == 0)
        return listed;
    return matchedFamily(chosen);
}

// Names that load no installed face stay listed, greyed, where neither the
// mouse nor the keys pick them.
void disableUnloadableEntries(QComboBox* list) {
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    if (model == nullptr)
        return;
    for (int entry = 0; entry < list->count(); ++entry) {
        if (!loadedFamily(list->itemText(entry)))
            model->item(entry)->setEnabled(false);
    }
}

}  // namespace

void fillFontList(QComboBox* list, const WatermarkSettings& watermark) {
    list->clear();
    list->addItems(listEntries(listedFontNames(watermark)));
    disableUnloadableEntries(list);
    list->setCurrentIndex(0);
    const int current = list->findText(toQString(watermark.font), Qt::MatchFixedString);
    if (current >= 0)
        list->setCurrentIndex(current);
}

std::optional<FontStyle> fontStyleOf(const QFont& font) {
    const int32_t flags = fontFlagsOf(font);
    for (int32_t code = 0; code < codeCount<FontStyle>(); ++code) {
        const auto style = static_cast<FontStyle>(code);
        if (fontFlagsOf(style) == flags)
            return style;
    }
    return std::nullopt;
}

void chooseWatermarkFont(QWidget* parent, const WatermarkFontRows& rows,
                         WatermarkSettings& watermark) {
    const QString listed = rows.font->currentText();
    QFont opening(openingFamily(listed));
    const int32_t size = fieldNumber(rows.size);
    if (size > 0 && size <= largestOpeningSize)
        opening.setPointSize(size);
    const std::optional<QFont> chosen = userDialogs().chooseFont(parent, opening);
    if (!chosen)
        return;
    // Names are kept in a ","-separated list, so a "," cannot be part of one;
    // a font without any other letter in its name is no choice.
    QString family = chosen->family();
    family.remove(QLatin1Char(','));
    std::optional<QString> kept = family.isEmpty() ? std::nullopt : keptFontName(family, listed);
    if (!kept || kept->remove(QLatin1Char(',')).isEmpty())
        return;
    const QString name = *kept;
    const std::string names = listedFontNames(watermark);
    if (!listEntries(names).contains(name, Qt::CaseSensitive))
        watermark.fonts = names + "," + toUtf8(name);
    int entry = rows.font->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0) {
        rows.font->addItem(name);
        entry = rows.font->count() - 1;
    }
    rows.font->setCurrentIndex(entry);

    if (const int points = pointsOf(*chosen); points > 0)
        setFieldNumber(rows.size, points);
    if (const std::optional<FontStyle> style = fontStyleOf(*chosen))
        setListCode(rows.style, storedCode(*style));
}

}  // namespace tessaro
