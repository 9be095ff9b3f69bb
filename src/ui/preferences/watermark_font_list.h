#pragma once

#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QWidget>
#include <optional>

#include "settings/setting_codes.h"
#include "settings/settings.h"

namespace tessaro {

// The watermark text panel's font rows: the names of `watermark.fonts`, the
// font size and the font style.
struct WatermarkFontRows {
    QComboBox* font = nullptr;
    QLineEdit* size = nullptr;
    QComboBox* style = nullptr;
};

// One entry per name of `watermark.fonts` (of `watermark.font` alone while
// that list is empty); the entry of `watermark.font`, whatever its letter
// case, is selected, else the first. An entry whose name loads no installed
// face is greyed and cannot be picked, though it stays selected when it is
// the current font.
void fillFontList(QComboBox* list, const WatermarkSettings& watermark);

// The font style of the chosen font: "Regular", "Bold", "Italic" or "Bold
// Italic"; nothing when the font also carries an underline or a strikeout,
// which the style list cannot show.
std::optional<FontStyle> fontStyleOf(const QFont& font);

// The font chooser: opens on the face the listed name loads as (or would be
// shown as) at the field's size, without a style. Handing back that same
// face keeps the listed name ("Arial" stays "Arial"); any other choice is
// kept as the installed family fontconfig reports for it, never as a
// generic name such as "Monospace". That name (without ",") is selected in
// the list and, when `watermark.fonts` does not hold it yet (letter case
// counts), added to both at once; the setting keeps it even when the dialog
// is cancelled later. The size goes into the size field and a style the list
// shows is selected; the font effect list is left alone.
void chooseWatermarkFont(QWidget* parent, const WatermarkFontRows& rows,
                         WatermarkSettings& watermark);

}  // namespace tessaro
