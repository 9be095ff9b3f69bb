#include "ui/preferences/transform_page.h"

#include "settings/setting_codes.h"
#include "ui/preferences/color_choosers.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 375};

}  // namespace

TransformPage::TransformPage(QWidget* pageArea) : PreferencesPage(pageArea) {
    content = scrollingContent(this, contentSize);
    RowBuilder rows(content);
    imageRotation = rows.checkBox("Image Rotation");
    rotationType = rows.list("Rotation Type", listTexts<RotationType>());
    rotationRows_.push_back(rows.lastRow());
    rotationAngle = rows.sliderSpin("Rotation Angle", {0, 360});
    rotationRows_.push_back(rows.lastRow());
    backgroundColor = rows.colorButton("Background Color");
    rotationRows_.push_back(rows.lastRow());

    imageResize = rows.checkBox("Image Resize");
    imageWidth = rows.numericField("Image Width", listTexts<SizeUnit>());
    resizeRows_.push_back(rows.lastRow());
    imageHeight = rows.numericField("Image Height", listTexts<SizeUnit>());
    resizeRows_.push_back(rows.lastRow());
    keepAspectRatio = rows.checkBox("Keep Aspect Ratio");
    resizeRows_.push_back(rows.lastRow());
    resizeType = rows.list("Resize Type", listTexts<ResizeType>());
    resizeRows_.push_back(rows.lastRow());
    resizeAlgorithm = rows.list("Resize Algorithm", listTexts<ResizeAlgorithm>());
    resizeRows_.push_back(rows.lastRow());

    flipHorizontal = rows.checkBox("Image Flip Horizontal");
    flipVertical = rows.checkBox("Image Flip Vertical");

    connect(imageRotation, &QCheckBox::toggled, this, &TransformPage::updateRotationControls);
    connect(imageResize, &QCheckBox::toggled, this, &TransformPage::updateResizeControls);
    connect(backgroundColor.button, &QPushButton::clicked, this,
            [this] { chooseRowColor(this, backgroundColor); });
}

void TransformPage::fill(const Settings& settings) {
    const TransformSettings& transform = settings.transform;
    imageRotation->setChecked(transform.doImageRotation != 0);
    setListCode(rotationType, transform.imageRotationType);
    rotationAngle->setValue(transform.imageRotation);
    setRowColor(backgroundColor, transform.imageRotationBackColor);
    imageResize->setChecked(transform.doImageResize != 0);
    setFieldNumber(imageWidth.field, transform.imageWidth);
    setListCode(imageWidth.unit, transform.imageWidthUnit);
    setFieldNumber(imageHeight.field, transform.imageHeight);
    setListCode(imageHeight.unit, transform.imageHeightUnit);
    keepAspectRatio->setChecked(transform.keepAspectRatio != 0);
    setListCode(resizeType, transform.imageResizeType);
    setListCode(resizeAlgorithm, transform.imageResizeAlgorithm);
    flipHorizontal->setChecked(transform.doImageFlipHorizontal != 0);
    flipVertical->setChecked(transform.doImageFlipVertical != 0);
    updateRotationControls();
    updateResizeControls();
}

void TransformPage::store(Settings& settings) const {
    TransformSettings& transform = settings.transform;
    transform.doImageRotation = imageRotation->isChecked() ? 1 : 0;
    transform.imageRotationType = listCode(rotationType, transform.imageRotationType);
    transform.imageRotation = rotationAngle->value();
    transform.imageRotationBackColor = rowColorText(backgroundColor);
    transform.doImageResize = imageResize->isChecked() ? 1 : 0;
    transform.imageWidth = fieldNumber(imageWidth.field);
    transform.imageWidthUnit = listCode(imageWidth.unit, transform.imageWidthUnit);
    transform.imageHeight = fieldNumber(imageHeight.field);
    transform.imageHeightUnit = listCode(imageHeight.unit, transform.imageHeightUnit);
    transform.keepAspectRatio = keepAspectRatio->isChecked() ? 1 : 0;
    transform.imageResizeType = listCode(resizeType, transform.imageResizeType);
    transform.imageResizeAlgorithm = listCode(resizeAlgorithm, transform.imageResizeAlgorithm);
    transform.doImageFlipHorizontal = flipHorizontal->isChecked() ? 1 : 0;
    transform.doImageFlipVertical = flipVertical->isChecked() ? 1 : 0;
}

void TransformPage::updateRotationControls() {
    for (const PreferencesRow& row : rotationRows_)
        row.setEnabled(imageRotation->isChecked());
}

void TransformPage::updateResizeControls() {
    for (const PreferencesRow& row : resizeRows_)
        row.setEnabled(imageResize->isChecked());
}

}  // namespace tessaro
