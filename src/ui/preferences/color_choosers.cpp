#include "ui/preferences/color_choosers.h"

#include <algorithm>

#include "ui/preferences/preferences_values.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

bool listHoldsColor(const std::string& listSetting, const QColor& color) {
    const QStringList entries = listEntries(listSetting);
    return std::any_of(entries.begin(), entries.end(), [&color](const QString& entry) {
        return settingColor(toUtf8(entry)) == color;
    });
}

}  // namespace

void chooseRowColor(QWidget* parent, const ColorRow& row) {
    const QColor current = settingColor(toUtf8(row.field->text()));
    const std::optional<QColor> picked = userDialogs().chooseColor(parent, current);
    if (!picked || picked->rgb() == current.rgb())
        return;
    setRowColor(row, QColor(picked->rgb()));
}

void chooseListColor(QWidget* parent, QComboBox* list, std::string& listSetting) {
    const QColor current = list->currentData().value<QColor>();
    const std::optional<QColor> picked = userDialogs().chooseColor(parent, current);
    if (!picked)
        return;
    // The chooser may answer with an alpha or another colour model; the
    // lists hold opaque RGB colours.
    const QColor color(picked->rgb());
    int entry = findColorEntry(list, color);
    if (entry < 0)
        entry = addColorEntry(list, color);
    if (!listHoldsColor(listSetting, color))
        listSetting += "," + toUtf8(colorText(color));
    list->setCurrentIndex(entry);
}

}  // namespace tessaro
