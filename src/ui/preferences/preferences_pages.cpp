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
        new GeneralPage(pageArea),
        new InterfacePage(context, pageArea),
        new InputPage(context, pageArea),
        new OutputPage(context, pageArea),
        new BlankPage(pageArea),
        new BlankPage(pageArea),
        new BlankPage(pageArea),
        new BlankPage(pageArea),
        new AdvancedPage(pageArea),
    };
}

}  // namespace tessaro
