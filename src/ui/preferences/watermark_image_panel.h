#pragma once

#include <QCheckBox>
#include <QComboBox>

#include "settings/settings.h"
#include "ui/preferences/preference_bindings.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/preferences/watermark_placement.h"

namespace tessaro {

// The watermark page's panel for a picture: the file, greyscale and opacity,
// and where and how it is placed, its controls bound in the page's
// `bindings`.
class WatermarkImagePanel {
public:
    WatermarkImagePanel(QWidget* page, PreferenceBindings& bindings);

    QWidget* const panel;
    ChooserFieldRow image;
    QCheckBox* greyscale = nullptr;
    SliderSpinPair* opacity = nullptr;
    WatermarkPlacementRows placement{imagePlacementFields};
};

}  // namespace tessaro
