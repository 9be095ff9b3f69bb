#include "ui/preferences/input_page.h"

#include "settings/product_formats.h"
#include "settings/setting_codes.h"

namespace tessaro {

namespace {

QComboBox* frameLoadingList(RowBuilder& rows) {
    return rows.list("Frame Loading", listTexts<FrameLoading>());
}

}  // namespace

InputPage::InputPage(const PreferencesContext& context, QWidget* pageArea)
    : PreferencesPage(pageArea),
      format(RowBuilder(this).iconList("Input Format"), productInputFormats()) {
    RowBuilder dds(format.addPanel("dds", this));
    ddsLoadAs = dds.list("Load As", listTexts<DdsLoadMode>());
    RowBuilder gif(format.addPanel("gif", this));
    gifFrameLoading = frameLoadingList(gif);
    RowBuilder ico(format.addPanel("ico", this));
    icoFrameLoading = frameLoadingList(ico);

    RowBuilder raw(format.addPanel("raw", this));
    rawLoadAs = raw.list("Load As", listTexts<RawLoadMode>());
    rawHeaderSize = raw.numericField("Header Size", {"Bytes"});
    rawSizeRows_.push_back(raw.lastRow());
    rawImageWidth = raw.numericField("Image Width", {"Pixels"});
    rawSizeRows_.push_back(raw.lastRow());
    rawImageHeight = raw.numericField("Image Height", {"Pixels"});
    rawSizeRows_.push_back(raw.lastRow());
    rawToneMapping = raw.list("Tone Mapping", listTexts<ToneMapping>());
    rawToneMappingRow_ = raw.lastRow();
    connect(rawLoadAs, &QComboBox::currentIndexChanged, this, &InputPage::updateRawControls);

    RowBuilder tiff(format.addPanel("tiff", this));
    tiffFrameLoading = frameLoadingList(tiff);

    bindings.formatSelector(format, context.images, SETTINGS_FIELD(input.format));
    bindings.list(ddsLoadAs, SETTINGS_FIELD(input.ddsLoadAs));
    bindings.list(gifFrameLoading, SETTINGS_FIELD(input.gifFrameLoading));
    bindings.list(icoFrameLoading, SETTINGS_FIELD(input.icoFrameLoading));
    bindings.list(rawLoadAs, SETTINGS_FIELD(input.rawLoadAs));
    bindings.number(rawHeaderSize.field, SETTINGS_FIELD(input.rawHeaderSize));
    bindings.number(rawImageWidth.field, SETTINGS_FIELD(input.rawImageWidth));
    bindings.number(rawImageHeight.field, SETTINGS_FIELD(input.rawImageHeight));
    bindings.list(rawToneMapping, SETTINGS_FIELD(input.rawToneMapping));
    bindings.list(tiffFrameLoading, SETTINGS_FIELD(input.tiffFrameLoading));
}

void InputPage::updateRawControls() {
    const int code = rawLoadAs->currentIndex();
    const bool sized =
        code == storedCode(RawLoadMode::rgb8) || code == storedCode(RawLoadMode::rgb16);
    const bool toneMapped =
        code == storedCode(RawLoadMode::rgb48HalfSize) || code == storedCode(RawLoadMode::rgb48);
    for (const PreferencesRow& row : rawSizeRows_)
        row.setEnabled(sized);
    rawToneMappingRow_.setEnabled(toneMapped);
}

}  // namespace tessaro
