#include "ui/preferences/interface_page.h"

#include <algorithm>

#include "settings/setting_codes.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/qt_text.h"

namespace tessaro {

InterfacePage::InterfacePage(const PreferencesContext& context, QWidget* pageArea)
    : PreferencesPage(pageArea), themes_(context.themes) {
    RowBuilder rows(this);
    theme = rows.list("UI Theme", {});
    iconSize = rows.list("UI Size", listTexts<IconSize>());

    bindings.custom([this](const Settings& settings) { fillThemes(settings.interface.uiTheme); },
                    [this](Settings& settings) {
                        settings.interface.uiTheme = toUtf8(theme->currentData().toString());
                    });
    bindings.list(iconSize, SETTINGS_FIELD(interface.uiSize));
}

void InterfacePage::fillThemes(const std::string& current) {
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
        theme->addItem(uiText("Preferences", "None"), toQString(current));
    theme->setCurrentIndex(std::max(0, theme->findData(toQString(current))));
}

}  // namespace tessaro
