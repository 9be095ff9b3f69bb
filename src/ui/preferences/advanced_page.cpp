#include "ui/preferences/advanced_page.h"

#include <QDateTime>
#include <limits>

#include "settings/setting_codes.h"
#include "ui/preferences/preferences_values.h"
#include "ui/qt_text.h"

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
    outFoldersHistory = rows.list("Out Folders History", {"Clean On Exit", "Keep Folders"});
    outFoldersNumber = rows.sliderSpin("Out Folders Number", {1, 50});
    keepSubfolders = rows.checkBox("Keep Subfolders");
    rows.lastRow().setVisible(false);
    connect(fileTimestamp, &QComboBox::currentIndexChanged, this,
            &AdvancedPage::updateTimestampControls);
}

void AdvancedPage::updateTimestampControls() {
    customTimestampRow_.setEnabled(fileTimestamp->currentIndex() ==
                                   storedCode(FileTimestamp::custom));
}

void AdvancedPage::fill(const Settings& settings) {
    const AdvancedSettings& advanced = settings.advanced;
    filenameMask->setText(toQString(advanced.filenameMask));
    setListCode(fileTimestamp, advanced.fileTimestamp);
    customTimestamp->setDateTime(timestampDateTime(advanced.customTimestamp));
    setListCode(outFoldersHistory, advanced.outFoldersHistory);
    outFoldersNumber->setValue(advanced.outFoldersNumber);
    keepSubfolders->setChecked(advanced.keepSubfolders != 0);
    updateTimestampControls();
}

void AdvancedPage::store(Settings& settings) const {
    AdvancedSettings& advanced = settings.advanced;
    advanced.filenameMask = cleanedText(filenameMask->text());
    advanced.fileTimestamp = listCode(fileTimestamp, advanced.fileTimestamp);
    // The picker shows minutes; seconds it cannot show are not kept.
    const auto seconds = static_cast<int32_t>(customTimestamp->dateTime().toSecsSinceEpoch());
    advanced.customTimestamp = seconds - seconds % secondsPerMinute;
    advanced.outFoldersHistory = listCode(outFoldersHistory, advanced.outFoldersHistory);
    advanced.outFoldersNumber = static_cast<int8_t>(outFoldersNumber->value());
    advanced.keepSubfolders = keepSubfolders->isChecked() ? 1 : 0;
}

}  // namespace tessaro
