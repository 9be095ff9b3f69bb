#include "ui/preferences/general_page.h"

#include "ui/preferences/preferences_rows.h"

namespace tessaro {

GeneralPage::GeneralPage(QWidget* pageArea) : PreferencesPage(pageArea) {
    RowBuilder rows(this);
    language = rows.list("Language", {});
    // The program speaks one language; its name is not translated.
    language->addItem(QStringLiteral("English"));
    updateRange = rows.list("Check For Updates", {"Every day", "Every week", "Every month",
                                                  "Every 3 months", "Every 6 months", "Never"});
    saveWindowPosition = rows.checkBox("Save window position");
}

void GeneralPage::fill(const Settings& settings) {
    language->setCurrentIndex(0);
    setListCode(updateRange, settings.general.updateRange);
    saveWindowPosition->setChecked(settings.general.saveWindowPosition != 0);
}

void GeneralPage::store(Settings& settings) const {
    settings.general.language = "en";
    settings.general.updateRange = listCode(updateRange, settings.general.updateRange);
    settings.general.saveWindowPosition = saveWindowPosition->isChecked() ? 1 : 0;
}

}  // namespace tessaro
