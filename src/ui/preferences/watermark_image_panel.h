#pragma once

#include <QCheckBox>
#include <QComboBox>

#include "settings/settings.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/preferences/watermark_placement.h"

namespace tessaro {

// The watermark page's panel for a picture: the file, greyscale and opacity,
// and where and how it is placed.
class WatermarkImagePanel {
public:
    explicit WatermarkImagePanel(QWidget* page);

    void fill(const WatermarkSettings& watermark);
    void store(WatermarkSettings& watermark) const;

    QWidget* const panel;
    ChooserFieldRow image;
    QCheckBox* greyscale = nullptr;
    SliderSpinPair* opacity = nullptr;
    WatermarkPlacementRows placement{imagePlacementFields};
};

}  // namespace tessaro
