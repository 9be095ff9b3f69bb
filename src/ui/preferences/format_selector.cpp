#include "ui/preferences/format_selector.h"

#include "l10n/text_case.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/qt_text.h"

namespace tessaro {

FormatSelector::FormatSelector(QComboBox* selectorList, const std::vector<std::string>& keys)
    : list(selectorList), keys_(keys) {
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { showSelectedPanel(); });
}

void FormatSelector::fill(const WindowImages& images, const std::string& current) {
    list->clear();
    const QIcon icon = menuIcon(images, "New");
    for (size_t index = 0; index < keys_.size(); ++index)
        list->addItem(icon, toQString(upperCaseText(keys_[index])), static_cast<int>(index));
    list->setCurrentIndex(0);
    for (size_t index = 0; index < keys_.size(); ++index) {
        if (keys_[index] == current)
            list->setCurrentIndex(static_cast<int>(index));
    }
    showSelectedPanel();
}

std::string FormatSelector::selectedKey(const std::string& unchanged) const {
    const QVariant index = list->currentData();
    if (!index.isValid() || index.toInt() < 0 || index.toUInt() >= keys_.size())
        return unchanged;
    return keys_[index.toUInt()];
}

QWidget* FormatSelector::addPanel(std::string_view key, QWidget* page) {
    QWidget* panel = selectorPanel(page);
    panel->hide();
    panels_[std::string(key)] = panel;
    return panel;
}

void FormatSelector::showSelectedPanel() {
    const std::string selected = selectedKey({});
    for (const auto& [key, panel] : panels_)
        panel->setVisible(key == selected);
}

}  // namespace tessaro
