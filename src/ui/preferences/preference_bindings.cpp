#include "ui/preferences/preference_bindings.h"

#include <utility>

#include "ui/preferences/preferences_values.h"
#include "ui/qt_text.h"

namespace tessaro {

void PreferenceBindings::checkBox(QCheckBox* box, FieldRef<int8_t> field) {
    custom([box, field](const Settings& s) { box->setChecked(field.read(s) != 0); },
           [box, field](Settings& s) { field.write(s) = box->isChecked() ? 1 : 0; });
}

void PreferenceBindings::number(QLineEdit* field, FieldRef<int32_t> setting) {
    custom([field, setting](const Settings& s) { setFieldNumber(field, setting.read(s)); },
           [field, setting](Settings& s) { setting.write(s) = fieldNumber(field); });
}

void PreferenceBindings::text(QLineEdit* field, FieldRef<std::string> setting) {
    custom([field, setting](const Settings& s) { field->setText(toQString(setting.read(s))); },
           [field, setting](Settings& s) { setting.write(s) = cleanedText(field->text()); });
}

void PreferenceBindings::color(const ColorRow& row, FieldRef<std::string> field) {
    custom([row, field](const Settings& s) { setRowColor(row, field.read(s)); },
           [row, field](Settings& s) { field.write(s) = rowColorText(row); });
}

void PreferenceBindings::colorList(QComboBox* list, FieldRef<std::string> colors,
                                   FieldRef<std::string> current) {
    custom([list, colors,
            current](const Settings& s) { fillColorList(list, colors.read(s), current.read(s)); },
           [list, current](Settings& s) { current.write(s) = listColorText(list); });
}

void PreferenceBindings::formatSelector(FormatSelector& selector, const WindowImages& images,
                                        FieldRef<std::string> field) {
    custom(
        [&selector, &images, field](const Settings& s) { selector.fill(images, field.read(s)); },
        [&selector, field](Settings& s) { field.write(s) = selector.selectedKey(field.read(s)); });
}

void PreferenceBindings::custom(Fill fill, Store store) {
    bindings_.push_back({std::move(fill), std::move(store)});
}

void PreferenceBindings::fill(const Settings& settings) const {
    for (const Binding& binding : bindings_)
        binding.fill(settings);
}

void PreferenceBindings::store(Settings& settings) const {
    for (const Binding& binding : bindings_)
        binding.store(settings);
}

}  // namespace tessaro
