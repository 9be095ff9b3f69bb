#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

namespace tessaro {

// Conversions between what the preferences dialog's controls show and what
// the settings hold.

// A typed whole number: an optional sign and decimal digits; text that does
// not start with digits reads as 0, and digits beyond the 32-bit range
// saturate.
int32_t readWholeNumber(const QString& text);

// A typed decimal number times 100, rounded to the nearest whole number with
// halves going to the even neighbour (2.345 gives 234, 2.355 gives 236).
// Text without leading digits reads as 0.
int32_t readHundredths(const QString& text);

// A number of hundredths as a decimal with two places ("230" shows "2.30").
QString hundredthsText(int32_t hundredths);

// A text the settings keep as typed but without its surrounding blanks and
// without TAB, CR and LF anywhere: an empty text stays empty.
std::string cleanedText(const QString& text);

// The entries of a "name,name,..." setting (the watermark's font names and
// colour lists), each without its surrounding blanks.
QStringList listEntries(const std::string& text);

// The colour of an "RRGGBB" setting; a text that is not six characters long
// is black.
QColor settingColor(const std::string& text);

// A colour as the settings write it: six upper-case hex digits, red first.
QString colorText(const QColor& color);

// The name of a colour in the colour lists: a name of the table when the
// colour has one, else "Color #RRGGBB".
QString colorName(const QColor& color);

}  // namespace tessaro
