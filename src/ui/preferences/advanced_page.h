#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>

#include "ui/preferences/preferences_page.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The Advanced page: the output file-name mask, the time stamp of the files
// written, and the output folder history.
class AdvancedPage : public PreferencesPage {
    Q_OBJECT

public:
    explicit AdvancedPage(QWidget* pageArea);

    // The custom time stamp can be edited only while "Custom" is chosen.
    void updateTimestampControls();

    QLineEdit* filenameMask = nullptr;
    QComboBox* fileTimestamp = nullptr;
    QDateTimeEdit* customTimestamp = nullptr;
    QComboBox* outFoldersHistory = nullptr;
    SliderSpinPair* outFoldersNumber = nullptr;
    // Kept as loaded; the row is never shown.
    QCheckBox* keepSubfolders = nullptr;

private:
    void applyDependencyRules() override { updateTimestampControls(); }

    PreferencesRow customTimestampRow_;
};

}  // namespace tessaro
