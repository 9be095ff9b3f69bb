#include "ui/preferences/preferences_page.h"

#include "ui/preferences/preferences_rows.h"

namespace tessaro {

PreferencesPage::PreferencesPage(QWidget* pageArea) : QWidget(pageArea) {
    setGeometry(QRect(QPoint(0, 0), pageSize));
    hide();
}

}  // namespace tessaro
