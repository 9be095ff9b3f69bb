#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "settings/settings.h"
#include "ui/preferences/preference_bindings.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/preferences/watermark_placement.h"

namespace tessaro {

// The watermark page's panel for a text: the text, its font, colours and
// opacities, and where and how it is placed, its controls bound in the page's
// `bindings`. Its choosers extend the font and colour lists of `listSettings`
// at once.
class WatermarkTextPanel {
public:
    WatermarkTextPanel(QWidget* page, WatermarkSettings& listSettings,
                       PreferenceBindings& bindings);

    QWidget* const panel;
    QLineEdit* text = nullptr;
    ChooserListRow font;
    NumericFieldRow fontSize;
    NumericFieldRow fontLeading;
    ChooserListRow fontColor;
    QComboBox* fontStyle = nullptr;
    QComboBox* fontEffect = nullptr;
    QCheckBox* antialiasing = nullptr;
    QComboBox* alignment = nullptr;
    NumericFieldRow padding;
    SliderSpinPair* textOpacity = nullptr;
    ChooserListRow backgroundColor;
    SliderSpinPair* backgroundOpacity = nullptr;
    WatermarkPlacementRows placement{textPlacementFields};

private:
    WatermarkSettings& listSettings_;
};

}  // namespace tessaro
