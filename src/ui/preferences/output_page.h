#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <map>
#include <string>

#include "ui/preferences/format_selector.h"
#include "ui/preferences/preferences_page.h"
#include "ui/preferences/slider_spin_pair.h"

namespace tessaro {

// The Output page: the output format selector and the saving options of each
// output format, every panel opening with its bits-per-pixel list. Only the
// product's formats can be selected; the other panels are built all the same.
class OutputPage : public PreferencesPage {
    Q_OBJECT

public:
    OutputPage(const PreferencesContext& context, QWidget* pageArea);

    // The bits-per-pixel list of a format's panel, nullptr for an unknown key.
    QComboBox* bppList(std::string_view key) const;
    // A further list of a panel by its label key ("Compression", ...).
    QComboBox* panelList(std::string_view key, std::string_view labelKey) const;

    FormatSelector format;
    SliderSpinPair* jpgQuality = nullptr;
    QCheckBox* pngInterlaced = nullptr;

private:
    struct PanelLists {
        QComboBox* bpp = nullptr;
        std::map<std::string, QComboBox*, std::less<>> lists;
    };

    std::map<std::string, PanelLists, std::less<>> panels_;
};

}  // namespace tessaro
