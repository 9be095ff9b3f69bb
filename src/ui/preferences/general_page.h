#pragma once

#include <QCheckBox>
#include <QComboBox>

#include "ui/preferences/preferences_page.h"

namespace tessaro {

// The General page: language, update check interval and whether the window
// keeps its position.
class GeneralPage : public PreferencesPage {
    Q_OBJECT

public:
    explicit GeneralPage(QWidget* pageArea);

    QComboBox* language = nullptr;
    QComboBox* updateRange = nullptr;
    QCheckBox* saveWindowPosition = nullptr;
};

}  // namespace tessaro
