#include "ui/preferences/preferences_pages.h"

#include "ui/preferences/advanced_page.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/input_page.h"
#include "ui/preferences/interface_page.h"
#include "ui/preferences/output_page.h"

namespace tessaro {

namespace {

// A page whose rows are not built yet: it shows nothing and stores nothing.
class BlankPage : public PreferencesPage {
public:
    using PreferencesPage::PreferencesPage;
    void fill(const Settings&) override {}
    void store(Settings&) const override {}
};

}  // namespace

std::array<PreferencesPage*, 9> createPreferencesPages(PreferencesContext& context,
                                                       QWidget* pageArea) {
    return {
        new GeneralPage(pageArea),             // 0
        new InterfacePage(context, pageArea),  // 1
        new InputPage(context, pageArea),      // 2
        new OutputPage(context, pageArea),     // 3
        new BlankPage(pageArea),               // 4
        new BlankPage(pageArea),               // 5
        new BlankPage(pageArea),               // 6
        new BlankPage(pageArea),               // 7
        new AdvancedPage(pageArea),            // 8
    };
}

}  // namespace tessaro
