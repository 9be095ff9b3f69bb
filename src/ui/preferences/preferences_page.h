#pragma once

#include <QWidget>

#include "settings/settings.h"
#include "themes/theme_state.h"
#include "ui/window_images.h"

namespace tessaro {

// What the pages need besides their controls: the settings (the font and
// colour choosers extend their lists there at once), the installed themes
// and the window mode's pictures.
struct PreferencesContext {
    Settings& settings;
    const ThemeState& themes;
    const WindowImages& images;
};

// One page of the preferences dialog: a container of the page area that
// builds its rows, connects its own dependency rules, shows the settings it
// edits and writes them back. The dialog fills every page when it opens and
// stores every page on OK, whether the page was shown or not.
class PreferencesPage : public QWidget {
    Q_OBJECT

public:
    explicit PreferencesPage(QWidget* pageArea);

    // Shows the settings' values and applies the page's dependency rules.
    virtual void fill(const Settings& settings) = 0;
    // Writes the controls' values into `settings`.
    virtual void store(Settings& settings) const = 0;
};

}  // namespace tessaro
