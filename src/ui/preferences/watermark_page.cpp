#include "ui/preferences/watermark_page.h"

#include "settings/setting_codes.h"
namespace tessaro {

namespace {

QComboBox* newWatermarkTypeList(QWidget* page) {
    RowBuilder selectorRow(page);
    return selectorRow.list("Watermark Type", listTexts<WatermarkType>());
}

}  // namespace

WatermarkPage::WatermarkPage(PreferencesContext& context, QWidget* pageArea)
    : PreferencesPage(pageArea),
      watermarkType(newWatermarkTypeList(this)),
      textPanel(this, context.settings.watermark, bindings),
      imagePanel(this, bindings) {
    connect(watermarkType, &QComboBox::currentIndexChanged, this,
            &WatermarkPage::updateWatermarkPanels);
    bindings.list(watermarkType, SETTINGS_FIELD(watermark.doWatermark));
}

void WatermarkPage::applyDependencyRules() {
    textPanel.placement.updateScaleRow();
    imagePanel.placement.updateScaleRow();
    updateWatermarkPanels();
}

void WatermarkPage::updateWatermarkPanels() {
    textPanel.panel->setVisible(watermarkType->currentIndex() == storedCode(WatermarkType::text));
    imagePanel.panel->setVisible(watermarkType->currentIndex() ==
                                 storedCode(WatermarkType::picture));
}

}  // namespace tessaro
