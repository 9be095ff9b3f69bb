#include "ui/preferences/adjustment_page.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

// Brightness and contrast run from -100 to 100 on a slider of 0 to 200.
constexpr PairRange percentChange{-100, 100, 100};
constexpr PairRange gammaHundredths{1, 999, 0, true};

int32_t hundredthsOf(float gamma) {
    const double hundredths = std::clamp(double{gamma} * 100.0, double{gammaHundredths.minimum},
                                         double{gammaHundredths.maximum});
    return static_cast<int32_t>(std::lround(hundredths));
}

}  // namespace

AdjustmentPage::AdjustmentPage(QWidget* pageArea) : PreferencesPage(pageArea) {
    RowBuilder rows(this);
    brightness = rows.sliderSpin("Image Brightness", percentChange);
    contrast = rows.sliderSpin("Image Contrast", percentChange);
    gamma = rows.sliderSpin("Image Gamma", gammaHundredths);
    invert = rows.checkBox("Image Invert");
    greyscale = rows.checkBox("Image Greyscale");
    threshold = rows.checkBox("Image Threshold");
    thresholdLevel = rows.sliderSpin("Threshold Level", {0, 255});
    thresholdLevelRow_ = rows.lastRow();

    connect(threshold, &QCheckBox::toggled, this, &AdjustmentPage::updateThresholdControls);

    bindings.sliderSpin(brightness, SETTINGS_FIELD(adjustment.imageBrightness));
    bindings.sliderSpin(contrast, SETTINGS_FIELD(adjustment.imageContrast));
    bindings.custom(
        [this](const Settings& s) { gamma->setValue(hundredthsOf(s.adjustment.imageGamma)); },
        [this](Settings& s) {
            s.adjustment.imageGamma = static_cast<float>(gamma->value() / 100.0);
        });
    bindings.checkBox(invert, SETTINGS_FIELD(adjustment.imageInvert));
    bindings.checkBox(greyscale, SETTINGS_FIELD(adjustment.doImageGreyscale));
    bindings.checkBox(threshold, SETTINGS_FIELD(adjustment.doImageThreshold));
    bindings.sliderSpin(thresholdLevel, SETTINGS_FIELD(adjustment.imageThreshold));
}

void AdjustmentPage::updateThresholdControls() {
    thresholdLevelRow_.setEnabled(threshold->isChecked());
}

}  // namespace tessaro
