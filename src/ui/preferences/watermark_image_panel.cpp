#include "ui/preferences/watermark_image_panel.h"

#include "ui/preferences/preferences_values.h"
#include "ui/preferences/watermark_image_chooser.h"
#include "ui/preferences/watermark_placement.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 310};

}  // namespace

WatermarkImagePanel::WatermarkImagePanel(QWidget* page) : panel(selectorPanel(page)) {
    RowBuilder rows(scrollingContent(panel, contentSize));
    image = rows.chooserField("Image");
    greyscale = rows.checkBox("Image Greyscale");
    opacity = rows.sliderSpin("Opacity", watermarkOpacityRange);
    boundary = rows.list("Boundary", watermarkBoundaryKeys);
    position = rows.list("Position", watermarkPositionKeys);
    xOffset = rows.numericField("X-Offset", {"Pixels"});
    yOffset = rows.numericField("Y-Offset", {"Pixels"});
    rotation = rows.sliderSpin("Rotation Angle", watermarkRotationRange);
    size = rows.list("Size", watermarkSizeKeys);
    scale = rows.sliderSpin("Scale", watermarkScaleRange);
    scaleRow_ = rows.lastRow();

    QObject::connect(size, &QComboBox::currentIndexChanged, panel,
                     [this] { updateImageScaleRow(); });
    QObject::connect(image.button, &QPushButton::clicked, panel,
                     [this] { chooseWatermarkImage(panel, image.field); });
}

void WatermarkImagePanel::fill(const WatermarkSettings& watermark) {
    image.field->setText(toQString(watermark.image));
    greyscale->setChecked(watermark.imageGreyscale != 0);
    opacity->setValue(watermark.imageOpacity);
    setListCode(boundary, watermark.imageBoundary);
    setListCode(position, watermark.imagePosition);
    setFieldNumber(xOffset.field, watermark.imageXOffset);
    setFieldNumber(yOffset.field, watermark.imageYOffset);
    rotation->setValue(watermark.imageRotation);
    setListCode(size, watermark.imageSize);
    scale->setValue(watermark.imageScale);
    updateImageScaleRow();
}

void WatermarkImagePanel::store(WatermarkSettings& watermark) const {
    watermark.image = cleanedText(image.field->text());
    watermark.imageGreyscale = greyscale->isChecked() ? 1 : 0;
    watermark.imageOpacity = opacity->value();
    watermark.imageBoundary = listCode(boundary, watermark.imageBoundary);
    watermark.imagePosition = listCode(position, watermark.imagePosition);
    watermark.imageXOffset = fieldNumber(xOffset.field);
    watermark.imageYOffset = fieldNumber(yOffset.field);
    watermark.imageRotation = rotation->value();
    watermark.imageSize = listCode(size, watermark.imageSize);
    watermark.imageScale = scale->value();
}

void WatermarkImagePanel::updateImageScaleRow() {
    scaleRow_.setVisible(size->currentIndex() == watermarkScaledSize);
}

}  // namespace tessaro
