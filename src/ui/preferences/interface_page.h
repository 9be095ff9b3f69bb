#pragma once

#include <QComboBox>

#include "ui/preferences/preferences_page.h"

namespace tessaro {

// The Interface page: the theme of the window's pictures and the toolbar's icon size.
class InterfacePage : public PreferencesPage {
    Q_OBJECT

public:
    InterfacePage(const PreferencesContext& context, QWidget* pageArea);

    void fill(const Settings& settings) override;
    void store(Settings& settings) const override;

    // Entries carry the theme's base name.
    QComboBox* theme = nullptr;
    QComboBox* iconSize = nullptr;

private:
    const ThemeState& themes_;
};

}  // namespace tessaro
