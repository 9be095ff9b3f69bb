#include "ui/preferences/general_page.h"

#include "settings/setting_codes.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

GeneralPage::GeneralPage(QWidget* pageArea) : PreferencesPage(pageArea) {
    RowBuilder rows(this);
    language = rows.list("Language", {});
    // The program speaks one language; its name is not translated.
    language->addItem(QStringLiteral("English"));
    updateRange = rows.list("Check For Updates", listTexts<UpdateRange>());
    saveWindowPosition = rows.checkBox("Save window position");

    bindings.custom([this](const Settings&) { language->setCurrentIndex(0); },
                    [](Settings& settings) { settings.general.language = "en"; });
    bindings.list(updateRange, SETTINGS_FIELD(general.updateRange));
    bindings.checkBox(saveWindowPosition, SETTINGS_FIELD(general.saveWindowPosition));
}

}  // namespace tessaro
