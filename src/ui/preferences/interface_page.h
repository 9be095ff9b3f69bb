#pragma once

#include <QComboBox>

#include "ui/preferences/preferences_page.h"

namespace tessaro {

// The Interface page: the theme of the window's pictures and the toolbar's
// icon size.
class InterfacePage : public PreferencesPage {
    Q_OBJECT

public:
    InterfacePage(const PreferencesContext& context, QWidget* pageArea);

    // Entries carry the theme's base name.
    QComboBox* theme = nullptr;
    QComboBox* iconSize = nullptr;

private:
    // One entry per installed theme, by base name, the current one selected.
    void fillThemes(const std::string& current);

    const ThemeState& themes_;
};

}  // namespace tessaro
