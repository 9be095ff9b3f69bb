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
      textPanel(this, context.settings.watermark),
      imagePanel(this) {
    connect(watermarkType, &QComboBox::currentIndexChanged, this,
            &WatermarkPage::updateWatermarkPanels);
}

void WatermarkPage::fill(const Settings& settings) {
    setListCode(watermarkType, settings.watermark.doWatermark);
    textPanel.fill(settings.watermark);
    imagePanel.fill(settings.watermark);
    updateWatermarkPanels();
}

void WatermarkPage::store(Settings& settings) const {
    settings.watermark.doWatermark = listCode(watermarkType, settings.watermark.doWatermark);
    textPanel.store(settings.watermark);
    imagePanel.store(settings.watermark);
}

void WatermarkPage::updateWatermarkPanels() {
    textPanel.panel->setVisible(watermarkType->currentIndex() == storedCode(WatermarkType::text));
    imagePanel.panel->setVisible(watermarkType->currentIndex() ==
                                 storedCode(WatermarkType::picture));
}

}  // namespace tessaro
