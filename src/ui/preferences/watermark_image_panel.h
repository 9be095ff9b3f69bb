#pragma once

#include <QCheckBox>
#include <QComboBox>

#include "settings/settings.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The watermark page's panel for a picture: the file, greyscale and opacity,
// and where and how it is placed.
class WatermarkImagePanel {
public:
    explicit WatermarkImagePanel(QWidget* page);

    void fill(const WatermarkSettings& watermark);
    void store(WatermarkSettings& watermark) const;

    // The "Scale" row shows only for a size other than "Fixed".
    void updateImageScaleRow();

    QWidget* const panel;
    ChooserFieldRow image;
    QCheckBox* greyscale = nullptr;
    SliderSpinPair* opacity = nullptr;
    QComboBox* boundary = nullptr;
    QComboBox* position = nullptr;
    NumericFieldRow xOffset;
    NumericFieldRow yOffset;
    SliderSpinPair* rotation = nullptr;
    QComboBox* size = nullptr;
    SliderSpinPair* scale = nullptr;

private:
    PreferencesRow scaleRow_;
};

}  // namespace tessaro
