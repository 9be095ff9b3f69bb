#include "ui/preferences/output_page.h"

#include <vector>

#include "engine/format_registry.h"
#include "settings/product_formats.h"
#include "settings/setting_codes.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

// A list row of a panel and the setting it edits; a row without a setting
// shows its single entry and stores nothing.
struct OutputListRow {
    std::string_view labelKey;
    std::vector<std::string_view> choiceKeys;
    FieldRef<int32_t> setting = {};
};

struct OutputPanel {
    std::string_view key;
    FieldRef<int32_t> bpp;
    std::vector<OutputListRow> lists;
};

const std::vector<OutputListRow> noLists;

const std::vector<OutputPanel>& outputPanels() {
    static const std::vector<OutputPanel> panels = {
        {"bmp",
         SETTINGS_FIELD(output.bmpBpp),
         {{"Compression", listTexts<BmpCompression>(), SETTINGS_FIELD(output.bmpCompression)},
          {"Color Table", listTexts<BmpPalette>(), SETTINGS_FIELD(output.bmpColorTable)}}},
        {"dds", SETTINGS_FIELD(output.ddsBpp), noLists},
        {"exr",
         SETTINGS_FIELD(output.exrBpp),
         {{"Compression", listTexts<ExrCompression>(), SETTINGS_FIELD(output.exrCompression)}}},
        {"gif", SETTINGS_FIELD(output.gifBpp), noLists},
        {"hdr", SETTINGS_FIELD(output.hdrBpp), noLists},
        {"ico", SETTINGS_FIELD(output.icoBpp), noLists},
        {"j2k", SETTINGS_FIELD(output.j2kBpp), noLists},
        {"jng", SETTINGS_FIELD(output.jngBpp), noLists},
        {"jp2", SETTINGS_FIELD(output.jp2Bpp), noLists},
        {"jpg",
         SETTINGS_FIELD(output.jpgBpp),
         {{"Chroma Subsampling", listTexts<JpegChroma>(), SETTINGS_FIELD(output.jpgChroma)},
          {"Save As", listTexts<JpegEncoding>(), SETTINGS_FIELD(output.jpgSaveAs)}}},
        {"jxr", SETTINGS_FIELD(output.jxrBpp), noLists},
        {"pbm", SETTINGS_FIELD(output.pbmBpp), noLists},
        {"pcx", SETTINGS_FIELD(output.pcxBpp), {{"Compression", {"RLE"}}}},
        {"pfm", SETTINGS_FIELD(output.pfmBpp), noLists},
        {"pgm", SETTINGS_FIELD(output.pgmBpp), noLists},
        {"png",
         SETTINGS_FIELD(output.pngBpp),
         {{"Compression", listTexts<PngCompression>(), SETTINGS_FIELD(output.pngCompression)}}},
        {"ppm", SETTINGS_FIELD(output.ppmBpp), noLists},
        {"psd", SETTINGS_FIELD(output.psdBpp), noLists},
        {"tga",
         SETTINGS_FIELD(output.tgaBpp),
         {{"Compression", listTexts<TgaCompression>(), SETTINGS_FIELD(output.tgaCompression)}}},
        {"tiff",
         SETTINGS_FIELD(output.tiffBpp),
         {{"Compression", listTexts<TiffCompression>(), SETTINGS_FIELD(output.tiffCompression)},
          {"Color Model", listTexts<TiffColorModel>(), SETTINGS_FIELD(output.tiffColorModel)}}},
        {"wbmp", SETTINGS_FIELD(output.wbmpBpp), noLists},
        {"webp", SETTINGS_FIELD(output.webpBpp), noLists},
        {"xpm", SETTINGS_FIELD(output.xpmBpp), noLists},
    };
    return panels;
}

QComboBox* newBppList(RowBuilder& rows, std::string_view key) {
    QComboBox* list = rows.list("Bits Per Pixel", {"Auto"});
    for (const int32_t bpp : allowedBppList(key))
        list->addItem(QString::number(bpp));
    return list;
}

// A depth: "Auto" for 0, else the entry of the depth, else no selection,
// which stores "Auto".
void bindBpp(PreferenceBindings& bindings, QComboBox* list, FieldRef<int32_t> bpp) {
    bindings.custom(
        [list, bpp](const Settings& s) {
            list->setCurrentIndex(bpp.read(s) == 0 ? 0
                                                   : list->findText(QString::number(bpp.read(s))));
        },
        [list, bpp](Settings& s) {
            bpp.write(s) = list->currentIndex() <= 0 ? 0 : list->currentText().toInt();
        });
}

}  // namespace

OutputPage::OutputPage(const PreferencesContext& context, QWidget* pageArea)
    : PreferencesPage(pageArea),
      format(RowBuilder(this).iconList("Output Format"), productOutputFormats()) {
    bindings.formatSelector(format, context.images, SETTINGS_FIELD(output.format));
    for (const OutputPanel& spec : outputPanels()) {
        RowBuilder rows(format.addPanel(spec.key, this));
        PanelLists& panel = panels_[std::string(spec.key)];
        panel.bpp = newBppList(rows, spec.key);
        bindBpp(bindings, panel.bpp, spec.bpp);
        if (spec.key == "jpg") {
            jpgQuality = rows.sliderSpin("Image Quality", {1, 100});
            bindings.sliderSpin(jpgQuality, SETTINGS_FIELD(output.jpgQuality));
        }
        for (const OutputListRow& row : spec.lists) {
            QComboBox* list = rows.list(row.labelKey, row.choiceKeys);
            panel.lists[std::string(row.labelKey)] = list;
            if (row.setting)
                bindings.list(list, row.setting);
        }
        if (spec.key == "png") {
            pngInterlaced = rows.checkBox("Interlaced");
            bindings.checkBox(pngInterlaced, SETTINGS_FIELD(output.pngInterlaced));
        }
    }
}

QComboBox* OutputPage::bppList(std::string_view key) const {
    const auto found = panels_.find(key);
    return found != panels_.end() ? found->second.bpp : nullptr;
}

QComboBox* OutputPage::panelList(std::string_view key, std::string_view labelKey) const {
    const auto panel = panels_.find(key);
    if (panel == panels_.end())
        return nullptr;
    const auto list = panel->second.lists.find(labelKey);
    return list != panel->second.lists.end() ? list->second : nullptr;
}

}  // namespace tessaro
