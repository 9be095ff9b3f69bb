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
      format(RowBuilder(this).iconList("Input Format"), productInputFormats()),
      images_(context.images) {
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

void InputPage::fill(const Settings& settings) {
    const InputSettings& input = settings.input;
    format.fill(images_, input.format);
    setListCode(ddsLoadAs, input.ddsLoadAs);
    setListCode(gifFrameLoading, input.gifFrameLoading);
    setListCode(icoFrameLoading, input.icoFrameLoading);
    setListCode(rawLoadAs, input.rawLoadAs);
    setFieldNumber(rawHeaderSize.field, input.rawHeaderSize);
    setFieldNumber(rawImageWidth.field, input.rawImageWidth);
    setFieldNumber(rawImageHeight.field, input.rawImageHeight);
    setListCode(rawToneMapping, input.rawToneMapping);
    setListCode(tiffFrameLoading, input.tiffFrameLoading);
    updateRawControls();
}

void InputPage::store(Settings& settings) const {
    InputSettings& input = settings.input;
    input.format = format.selectedKey(input.format);
    input.ddsLoadAs = listCode(ddsLoadAs, input.ddsLoadAs);
    input.gifFrameLoading = listCode(gifFrameLoading, input.gifFrameLoading);
    input.icoFrameLoading = listCode(icoFrameLoading, input.icoFrameLoading);
    input.rawLoadAs = listCode(rawLoadAs, input.rawLoadAs);
    input.rawHeaderSize = fieldNumber(rawHeaderSize.field);
    input.rawImageWidth = fieldNumber(rawImageWidth.field);
    input.rawImageHeight = fieldNumber(rawImageHeight.field);
    input.rawToneMapping = listCode(rawToneMapping, input.rawToneMapping);
    input.tiffFrameLoading = listCode(tiffFrameLoading, input.tiffFrameLoading);
}

}  // namespace tessaro
