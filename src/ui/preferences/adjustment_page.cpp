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
}

void AdjustmentPage::fill(const Settings& settings) {
    const AdjustmentSettings& adjustment = settings.adjustment;
    brightness->setValue(adjustment.imageBrightness);
    contrast->setValue(adjustment.imageContrast);
    gamma->setValue(hundredthsOf(adjustment.imageGamma));
    invert->setChecked(adjustment.imageInvert != 0);
    greyscale->setChecked(adjustment.doImageGreyscale != 0);
    threshold->setChecked(adjustment.doImageThreshold != 0);
    thresholdLevel->setValue(adjustment.imageThreshold);
    updateThresholdControls();
}

void AdjustmentPage::store(Settings& settings) const {
    AdjustmentSettings& adjustment = settings.adjustment;
    adjustment.imageBrightness = brightness->value();
    adjustment.imageContrast = contrast->value();
    adjustment.imageGamma = static_cast<float>(gamma->value() / 100.0);
    adjustment.imageInvert = invert->isChecked() ? 1 : 0;
    adjustment.doImageGreyscale = greyscale->isChecked() ? 1 : 0;
    adjustment.doImageThreshold = threshold->isChecked() ? 1 : 0;
    adjustment.imageThreshold = thresholdLevel->value();
}

void AdjustmentPage::updateThresholdControls() {
    thresholdLevelRow_.setEnabled(threshold->isChecked());
}

}  // namespace tessaro
