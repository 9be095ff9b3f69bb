#pragma once

#include <QWidget>

#include "settings/settings.h"
#include "themes/theme_state.h"
#include "ui/preferences/preference_bindings.h"
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
// builds its rows, binds each control to the setting it edits (one line per
// control in `bindings`) and connects its own dependency rules. The dialog
// fills every page when it opens and stores every page on OK, whether the
// page was shown or not.
class PreferencesPage : public QWidget {
    Q_OBJECT

public:
    explicit PreferencesPage(QWidget* pageArea);

    // Shows the settings' values and applies the page's dependency rules.
    void fill(const Settings& settings);
    // Writes the controls' values into `settings`.
    void store(Settings& settings) const;

protected:
    // Enables, shows or hides rows by what the controls show now.
    virtual void applyDependencyRules() {}

    PreferenceBindings bindings;
};

}  // namespace tessaro
