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
    int32_t OutputSettings::*setting = nullptr;
};

struct OutputPanel {
    std::string_view key;
    int32_t OutputSettings::*bpp;
    std::vector<OutputListRow> lists;
};

const std::vector<OutputListRow> noLists;

const std::vector<OutputPanel>& outputPanels() {
    using O = OutputSettings;
    static const std::vector<OutputPanel> panels = {
        {"bmp",
         &O::bmpBpp,
         {{"Compression", {"None", "RLE"}, &O::bmpCompression},
          {"Color Table", listTexts<BmpPalette>(), &O::bmpColorTable}}},
        {"dds", &O::ddsBpp, noLists},
        {"exr",
         &O::exrBpp,
         {{"Compression", {"None", "ZIP", "PIZ", "PXR24", "B44"}, &O::exrCompression}}},
        {"gif", &O::gifBpp, noLists},
        {"hdr", &O::hdrBpp, noLists},
        {"ico", &O::icoBpp, noLists},
        {"j2k", &O::j2kBpp, noLists},
        {"jng", &O::jngBpp, noLists},
        {"jp2", &O::jp2Bpp, noLists},
        {"jpg",
         &O::jpgBpp,
         {{"Chroma Subsampling", listTexts<JpegChroma>(), &O::jpgChroma},
          {"Save As", listTexts<JpegEncoding>(), &O::jpgSaveAs}}},
        {"jxr", &O::jxrBpp, noLists},
        {"pbm", &O::pbmBpp, noLists},
        {"pcx", &O::pcxBpp, {{"Compression", {"RLE"}}}},
        {"pfm", &O::pfmBpp, noLists},
        {"pgm", &O::pgmBpp, noLists},
        {"png",
         &O::pngBpp,
         {{"Compression", {"None", "ZLIB1", "ZLIB6", "ZLIB9"}, &O::pngCompression}}},
        {"ppm", &O::ppmBpp, noLists},
        {"psd", &O::psdBpp, noLists},
        {"tga", &O::tgaBpp, {{"Compression", {"None", "RLE"}, &O::tgaCompression}}},
        {"tiff",
         &O::tiffBpp,
         {{"Compression",
           {"None", "CCITTFAX3", "CCITTFAX4", "PACKBITS", "DEFLATE", "ADOBEDEFLATE", "LZW", "JPEG",
            "LOGLUV"},
           &O::tiffCompression},
          {"Color Model", listTexts<TiffColorModel>(), &O::tiffColorModel}}},
        {"wbmp", &O::wbmpBpp, noLists},
        {"webp", &O::webpBpp, noLists},
        {"xpm", &O::xpmBpp, noLists},
    };
    return panels;
}

QComboBox* newBppList(RowBuilder& rows, std::string_view key) {
    QComboBox* list = rows.list("Bits Per Pixel", {"Auto"});
    for (const int32_t bpp : allowedBppList(key))
        list->addItem(QString::number(bpp));
    return list;
}

// "Auto" for 0, else the entry of the depth, else no selection.
void setBpp(QComboBox* list, int32_t bpp) {
    list->setCurrentIndex(bpp == 0 ? 0 : list->findText(QString::number(bpp)));
}

int32_t bppOf(const QComboBox* list) {
    return list->currentIndex() <= 0 ? 0 : list->currentText().toInt();
}

}  // namespace

OutputPage::OutputPage(const PreferencesContext& context, QWidget* pageArea)
    : PreferencesPage(pageArea),
      format(RowBuilder(this).iconList("Output Format"), productOutputFormats()),
      images_(context.images) {
    for (const OutputPanel& spec : outputPanels()) {
        RowBuilder rows(format.addPanel(spec.key, this));
        PanelLists& panel = panels_[std::string(spec.key)];
        panel.bpp = newBppList(rows, spec.key);
        if (spec.key == "jpg")
            jpgQuality = rows.sliderSpin("Image Quality", {1, 100});
        for (const OutputListRow& row : spec.lists) {
            QComboBox* list = rows.list(row.labelKey, row.choiceKeys);
            panel.lists[std::string(row.labelKey)] = list;
        }
        if (spec.key == "png")
            pngInterlaced = rows.checkBox("Interlaced");
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

void OutputPage::fill(const Settings& settings) {
    const OutputSettings& output = settings.output;
    format.fill(images_, output.format);
    for (const OutputPanel& spec : outputPanels()) {
        setBpp(bppList(spec.key), output.*spec.bpp);
        for (const OutputListRow& row : spec.lists) {
            QComboBox* list = panelList(spec.key, row.labelKey);
            setListCode(list, row.setting != nullptr ? output.*row.setting : 0);
        }
    }
    jpgQuality->setValue(output.jpgQuality);
    pngInterlaced->setChecked(output.pngInterlaced != 0);
}

void OutputPage::store(Settings& settings) const {
    OutputSettings& output = settings.output;
    output.format = format.selectedKey(output.format);
    for (const OutputPanel& spec : outputPanels()) {
        output.*spec.bpp = bppOf(bppList(spec.key));
        for (const OutputListRow& row : spec.lists) {
            if (row.setting != nullptr)
                output.*row.setting =
                    listCode(panelList(spec.key, row.labelKey), output.*row.setting);
        }
    }
    output.jpgQuality = jpgQuality->value();
    output.pngInterlaced = pngInterlaced->isChecked() ? 1 : 0;
}

}  // namespace tessaro
