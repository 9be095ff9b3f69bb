#include "ui/preferences/watermark_placement.h"

#include "settings/setting_codes.h"

namespace tessaro {
namespace {

constexpr PairRange rotationRange{0, 360};
constexpr PairRange scaleRange{1, 200};
// The size code that shows the "Scale" row.
constexpr int scaledSize = 1;

}  // namespace

void WatermarkPlacementRows::addRows(RowBuilder& rows, QWidget* panel) {
    boundary = rows.list("Boundary", listTexts<PlacementArea>());
    position = rows.list("Position", listTexts<AnchorPosition>());
    xOffset = rows.numericField("X-Offset", {"Pixels"});
    yOffset = rows.numericField("Y-Offset", {"Pixels"});
    rotation = rows.sliderSpin("Rotation Angle", rotationRange);
    size = rows.list("Size", listTexts<WatermarkSizeMode>());
    scale = rows.sliderSpin("Scale", scaleRange);
    scaleRow_ = rows.lastRow();
    QObject::connect(size, &QComboBox::currentIndexChanged, panel, [this] { updateScaleRow(); });
}

void WatermarkPlacementRows::fill(const WatermarkSettings& watermark) {
    setListCode(boundary, watermark.*fields_.boundary);
    setListCode(position, watermark.*fields_.position);
    setFieldNumber(xOffset.field, watermark.*fields_.xOffset);
    setFieldNumber(yOffset.field, watermark.*fields_.yOffset);
    rotation->setValue(watermark.*fields_.rotation);
    setListCode(size, watermark.*fields_.size);
    scale->setValue(watermark.*fields_.scale);
    updateScaleRow();
}

void WatermarkPlacementRows::store(WatermarkSettings& watermark) const {
    watermark.*fields_.boundary = listCode(boundary, watermark.*fields_.boundary);
    watermark.*fields_.position = listCode(position, watermark.*fields_.position);
    watermark.*fields_.xOffset = fieldNumber(xOffset.field);
    watermark.*fields_.yOffset = fieldNumber(yOffset.field);
    watermark.*fields_.rotation = rotation->value();
    watermark.*fields_.size = listCode(size, watermark.*fields_.size);
    watermark.*fields_.scale = scale->value();
}

void WatermarkPlacementRows::updateScaleRow() {
    scaleRow_.setVisible(size->currentIndex() == scaledSize);
}

}  // namespace tessaro
