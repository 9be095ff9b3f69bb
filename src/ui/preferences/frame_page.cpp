#include "ui/preferences/frame_page.h"

#include "settings/setting_codes.h"
#include "ui/preferences/color_choosers.h"

namespace tessaro {

namespace {

constexpr QSize solidContentSize{420, 310};
constexpr int solidFrameCode = 1;

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

    bindings.list(frameType, SETTINGS_FIELD(frame.doFrame));
    bindings.number(bandWidths[0].field, SETTINGS_FIELD(frame.solidLeft));
    bindings.number(bandWidths[1].field, SETTINGS_FIELD(frame.solidRight));
    bindings.number(bandWidths[2].field, SETTINGS_FIELD(frame.solidTop));
    bindings.number(bandWidths[3].field, SETTINGS_FIELD(frame.solidBottom));
    bindings.color(bandColors[0], SETTINGS_FIELD(frame.solidLeftColor));
    bindings.color(bandColors[1], SETTINGS_FIELD(frame.solidRightColor));
    bindings.color(bandColors[2], SETTINGS_FIELD(frame.solidTopColor));
    bindings.color(bandColors[3], SETTINGS_FIELD(frame.solidBottomColor));
    bindings.sliderSpin(opacity, SETTINGS_FIELD(frame.solidOpacity));
}

void FramePage::updateFramePanel() {
    solidPanel->setVisible(frameType->currentIndex() == solidFrameCode);
}

}  // namespace tessaro
