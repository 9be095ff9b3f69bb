#pragma once

#include <QCheckBox>

#include "ui/preferences/preferences_page.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The Adjustment page: brightness, contrast, gamma, invert, greyscale and
// threshold. Whether the colours are corrected at all follows from the first
// four and is decided when the dialog stores its pages.
class AdjustmentPage : public PreferencesPage {
    Q_OBJECT

public:
    explicit AdjustmentPage(QWidget* pageArea);

    // "Threshold Level" is enabled only while "Image Threshold" is ticked.
    void updateThresholdControls();

    SliderSpinPair* brightness = nullptr;
    SliderSpinPair* contrast = nullptr;
    // In hundredths: 100 is a gamma of 1.00.
    SliderSpinPair* gamma = nullptr;
    QCheckBox* invert = nullptr;
    QCheckBox* greyscale = nullptr;
    QCheckBox* threshold = nullptr;
    SliderSpinPair* thresholdLevel = nullptr;

private:
    void applyDependencyRules() override { updateThresholdControls(); }

    PreferencesRow thresholdLevelRow_;
};

}  // namespace tessaro
