#include "ui/preferences/interface_page.h"

#include <algorithm>

#include "ui/preferences/preferences_rows.h"
#include "ui/qt_text.h"

namespace tessaro {

InterfacePage::InterfacePage(const PreferencesContext& context, QWidget* pageArea)
    : PreferencesPage(pageArea), themes_(context.themes) {
    RowBuilder rows(this);
    theme = rows.list("UI Theme", {});
    iconSize = rows.list("UI Size", {"Small", "Medium", "Large"});
}

void InterfacePage::fill(const Settings& settings) {
    std::vector<ThemeName> names = themes_.themeNames;
    std::stable_sort(names.begin(), names.end(), [](const ThemeName& a, const ThemeName& b) {
        return toQString(a.baseName).compare(toQString(b.baseName), Qt::CaseInsensitive) < 0;
    });
    theme->clear();
    for (const ThemeName& name : names)
        theme->addItem(toQString(name.displayName), toQString(name.baseName));
    // Without any theme there is nothing to choose; the entry keeps the
    // setting as it is.
    if (names.empty())
        theme->addItem(uiText("Preferences", "None"), toQString(settings.interface.uiTheme));
    const int current = theme->findData(toQString(settings.interface.uiTheme));
    theme->setCurrentIndex(std::max(0, current));
    setListCode(iconSize, settings.interface.uiSize);
}

void InterfacePage::store(Settings& settings) const {
    settings.interface.uiTheme = toUtf8(theme->currentData().toString());
    settings.interface.uiSize = listCode(iconSize, settings.interface.uiSize);
}

}  // namespace tessaro
