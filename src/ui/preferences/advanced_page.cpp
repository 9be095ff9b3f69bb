#include "ui/preferences/advanced_page.h"

#include <QDateTime>
#include <limits>

#include "settings/setting_codes.h"

namespace tessaro {

namespace {

constexpr int32_t secondsPerMinute = 60;

// Date fields count local wall-clock seconds from 1970, so the picker shows
// them as a clock without a zone would: as UTC, with no offset applied.
QDateTime timestampDateTime(int32_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

}  // namespace

AdvancedPage::AdvancedPage(QWidget* pageArea) : PreferencesPage(pageArea) {
    RowBuilder rows(this);
    filenameMask = rows.field("Filename Mask");
    fileTimestamp = rows.list("File Timestamp", listTexts<FileTimestamp>());
    customTimestamp = rows.dateTime("Custom Timestamp");
    customTimestampRow_ = rows.lastRow();
    customTimestamp->setTimeSpec(Qt::UTC);
    customTimestamp->setDateTimeRange(timestampDateTime(0),
                                      timestampDateTime(std::numeric_limits<int32_t>::max()));
    outFoldersHistory = rows.list("Out Folders History", listTexts<OutFoldersHistory>());
    outFoldersNumber = rows.sliderSpin("Out Folders Number", {1, 50});
    keepSubfolders = rows.checkBox("Keep Subfolders");
    rows.lastRow().setVisible(false);
    connect(fileTimestamp, &QComboBox::currentIndexChanged, this,
            &AdvancedPage::updateTimestampControls);

    bindings.text(filenameMask, SETTINGS_FIELD(advanced.filenameMask));
    bindings.list(fileTimestamp, SETTINGS_FIELD(advanced.fileTimestamp));
    bindings.custom(
        [this](const Settings& s) {
            customTimestamp->setDateTime(timestampDateTime(s.advanced.customTimestamp));
        },
        [this](Settings& s) {
            // The picker shows minutes; seconds it cannot show are not kept.
            const auto seconds =
                static_cast<int32_t>(customTimestamp->dateTime().toSecsSinceEpoch());
            s.advanced.customTimestamp = seconds - seconds % secondsPerMinute;
        });
    bindings.list(outFoldersHistory, SETTINGS_FIELD(advanced.outFoldersHistory));
    bindings.sliderSpin(outFoldersNumber, SETTINGS_FIELD(advanced.outFoldersNumber));
    bindings.checkBox(keepSubfolders, SETTINGS_FIELD(advanced.keepSubfolders));
}

void AdvancedPage::updateTimestampControls() {
    customTimestampRow_.setEnabled(fileTimestamp->currentIndex() ==
                                   storedCode(FileTimestamp::custom));
}

}  // namespace tessaro
