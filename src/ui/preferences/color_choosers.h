#pragma once

#include <QComboBox>
#include <QWidget>
#include <string>

#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The "Background Color" of the rotation and the four frame colours: the
// colour chooser opens on the row's colour, and a different colour picked
// there becomes the row's. Cancelling, or picking the same colour, changes
// nothing.
void chooseRowColor(QWidget* parent, const ColorRow& row);

// The watermark's font and background colour lists: the colour chooser opens
// on the selected entry's colour, and the colour picked there is selected.
// A colour that `listSetting` (the list's "RRGGBB,..." setting) does not hold
// yet is added to the list and at once appended to the setting, which keeps
// it even when the dialog is cancelled later. Colours are compared by value,
// so "ff8000" in the setting holds the colour FF8000.
void chooseListColor(QWidget* parent, QComboBox* list, std::string& listSetting);

}  // namespace tessaro
