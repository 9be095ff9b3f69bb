#pragma once

#include <QComboBox>

#include "ui/preferences/preferences_page.h"
#include "ui/preferences/watermark_image_panel.h"
#include "ui/preferences/watermark_text_panel.h"

namespace tessaro {

// The Watermark page: the watermark type and the panel of a text or of a
// picture.
class WatermarkPage : public PreferencesPage {
    Q_OBJECT

public:
    WatermarkPage(PreferencesContext& context, QWidget* pageArea);

    // The text panel shows for "Watermark Text", the image panel for
    // "Watermark Image", neither for "None".
    void updateWatermarkPanels();

    QComboBox* watermarkType = nullptr;
    WatermarkTextPanel textPanel;
    WatermarkImagePanel imagePanel;

private:
    void applyDependencyRules() override;
};

}  // namespace tessaro
