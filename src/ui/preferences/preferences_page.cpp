#include "ui/preferences/preferences_page.h"

#include "ui/preferences/preferences_rows.h"

namespace tessaro {

PreferencesPage::PreferencesPage(QWidget* pageArea) : QWidget(pageArea) {
    setGeometry(QRect(QPoint(0, 0), pageSize));
    hide();
}

void PreferencesPage::fill(const Settings& settings) {
    bindings.fill(settings);
    applyDependencyRules();
}

void PreferencesPage::store(Settings& settings) const {
    bindings.store(settings);
}

}  // namespace tessaro
