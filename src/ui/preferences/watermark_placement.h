#pragma once

#include <cstdint>

#include <QComboBox>

#include "settings/settings.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The watermark settings a panel places its watermark by: the text's or the
// picture's own fields.
struct WatermarkPlacementFields {
    int8_t WatermarkSettings::*boundary;
    int8_t WatermarkSettings::*position;
    int32_t WatermarkSettings::*xOffset;
    int32_t WatermarkSettings::*yOffset;
    int32_t WatermarkSettings::*rotation;
    int8_t WatermarkSettings::*size;
    int32_t WatermarkSettings::*scale;
};

inline constexpr WatermarkPlacementFields textPlacementFields{
    &WatermarkSettings::textBoundary, &WatermarkSettings::textPosition,
    &WatermarkSettings::textXOffset,  &WatermarkSettings::textYOffset,
    &WatermarkSettings::textRotation, &WatermarkSettings::textSize,
    &WatermarkSettings::textScale};

inline constexpr WatermarkPlacementFields imagePlacementFields{
    &WatermarkSettings::imageBoundary, &WatermarkSettings::imagePosition,
    &WatermarkSettings::imageXOffset,  &WatermarkSettings::imageYOffset,
    &WatermarkSettings::imageRotation, &WatermarkSettings::imageSize,
    &WatermarkSettings::imageScale};

// Opacity rows of both panels run over the same range.
inline constexpr PairRange watermarkOpacityRange{1, 255};

// The rows both watermark panels end with: boundary, position, offsets,
// rotation, size and scale. The "Scale" row shows only for a size other than
// "Fixed", the only size the list offers, so it stays hidden.
class WatermarkPlacementRows {
public:
    explicit WatermarkPlacementRows(const WatermarkPlacementFields& fields) : fields_(fields) {}

    // Adds the rows after the panel's own ones.
    void addRows(RowBuilder& rows, QWidget* panel);

    void fill(const WatermarkSettings& watermark);
    void store(WatermarkSettings& watermark) const;
    void updateScaleRow();

    QComboBox* boundary = nullptr;
    QComboBox* position = nullptr;
    NumericFieldRow xOffset;
    NumericFieldRow yOffset;
    SliderSpinPair* rotation = nullptr;
    QComboBox* size = nullptr;
    SliderSpinPair* scale = nullptr;

private:
    WatermarkPlacementFields fields_;
    PreferencesRow scaleRow_;
};

}  // namespace tessaro
