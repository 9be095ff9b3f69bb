#include "ui/preferences/frame_page.h"

#include "settings/setting_codes.h"
#include "ui/preferences/color_choosers.h"

namespace tessaro {

namespace {

constexpr QSize solidContentSize{420, 310};
constexpr int solidFrameCode = 1;

// The settings of the four bands, in the order of the rows.
template <typename Frame>  // FrameSettings, const or not
auto bandWidthSettings(Frame& frame) {
    return std::array{&frame.solidLeft, &frame.solidRight, &frame.solidTop, &frame.solidBottom};
}

template <typename Frame>
auto bandColorSettings(Frame& frame) {
    return std::array{&frame.solidLeftColor, &frame.solidRightColor, &frame.solidTopColor,
                      &frame.solidBottomColor};
}

}  // namespace

FramePage::FramePage(QWidget* pageArea) : PreferencesPage(pageArea) {
    RowBuilder selectorRow(this);
    frameType = selectorRow.list("Frame Type", listTexts<FrameType>());
    solidPanel = selectorPanel(this);

    RowBuilder rows(scrollingContent(solidPanel, solidContentSize));
    bandWidths = {rows.numericField("Left", {"Pixels"}), rows.numericField("Right", {"Pixels"}),
                  rows.numericField("Top", {"Pixels"}), rows.numericField("Bottom", {"Pixels"})};
    bandColors = {rows.colorButton("Left Color"), rows.colorButton("Right Color"),
                  rows.colorButton("Top Color"), rows.colorButton("Bottom Color")};
    opacity = rows.sliderSpin("Opacity", {1, 255});

    connect(frameType, &QComboBox::currentIndexChanged, this, &FramePage::updateFramePanel);
    for (const ColorRow& row : bandColors)
        connect(row.button, &QPushButton::clicked, this,
                [this, row] { chooseRowColor(this, row); });
}

void FramePage::fill(const Settings& settings) {
    const FrameSettings& frame = settings.frame;
    setListCode(frameType, frame.doFrame);
    const auto widths = bandWidthSettings(frame);
    const auto colors = bandColorSettings(frame);
    for (size_t band = 0; band < bandWidths.size(); ++band) {
        setFieldNumber(bandWidths[band].field, *widths[band]);
        setRowColor(bandColors[band], *colors[band]);
    }
    opacity->setValue(frame.solidOpacity);
    updateFramePanel();
}

void FramePage::store(Settings& settings) const {
    FrameSettings& frame = settings.frame;
    frame.doFrame = listCode(frameType, frame.doFrame);
    const auto widths = bandWidthSettings(frame);
    const auto colors = bandColorSettings(frame);
    for (size_t band = 0; band < bandWidths.size(); ++band) {
        *widths[band] = fieldNumber(bandWidths[band].field);
        *colors[band] = rowColorText(bandColors[band]);
    }
    frame.solidOpacity = opacity->value();
}

void FramePage::updateFramePanel() {
    solidPanel->setVisible(frameType->currentIndex() == solidFrameCode);
}

}  // namespace tessaro
