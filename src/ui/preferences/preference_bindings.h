#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/field_ref.h"
#include "settings/settings.h"
#include "ui/preferences/format_selector.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/preferences/slider_spin_pair.h"
#include "ui/window_images.h"

namespace tessaro {

// The controls of a preferences page bound to the settings fields they edit,
// one line per control; showing the settings in the controls and writing the
// controls back both follow from that one line:
//
//   bindings.checkBox(imageRotation, SETTINGS_FIELD(transform.doImageRotation));
//   bindings.list(rotationType, SETTINGS_FIELD(transform.imageRotationType));
//   bindings.sliderSpin(rotationAngle, SETTINGS_FIELD(transform.imageRotation));
//
// A control whose value the kinds below do not cover is bound with `custom`,
// its fill and its store side by side.
class PreferenceBindings {
public:
    using Fill = std::function<void(const Settings&)>;
    using Store = std::function<void(Settings&)>;

    // A flag: ticked for any value but 0; stores 1 or 0.
    void checkBox(QCheckBox* box, FieldRef<int8_t> field);

    // A coded setting: the list entry at the code's position. A code without
    // an entry leaves the list without a selection, and such a list keeps the
    // setting as it is (setListCode, listCode).
    template <std::integral Code>
    void list(QComboBox* list, FieldRef<Code> field) {
        custom([list, field](const Settings& s) { setListCode(list, field.read(s)); },
               [list, field](Settings& s) {
                   field.write(s) = static_cast<Code>(listCode(list, field.read(s)));
               });
    }

    // A whole number typed in a field of digits; an empty field stores 0.
    void number(QLineEdit* field, FieldRef<int32_t> setting);

    template <std::integral Number>
    void sliderSpin(SliderSpinPair* pair, FieldRef<Number> field) {
        custom([pair, field](const Settings& s) { pair->setValue(field.read(s)); },
               [pair, field](Settings& s) { field.write(s) = static_cast<Number>(pair->value()); });
    }

    // A text kept without its surrounding blanks and without TAB, CR and LF.
    void text(QLineEdit* field, FieldRef<std::string> setting);

    // An "RRGGBB" colour shown as a swatch button and its field.
    void color(const ColorRow& row, FieldRef<std::string> field);

    // A colour list: one entry per colour of `colors`, the one of `current`
    // selected; stores the selected colour into `current`.
    void colorList(QComboBox* list, FieldRef<std::string> colors, FieldRef<std::string> current);

    // A format selector showing the format key of `field`.
    void formatSelector(FormatSelector& selector, const WindowImages& images,
                        FieldRef<std::string> field);

    void custom(Fill fill, Store store);

    // Shows the settings in every bound control, in the order bound.
    void fill(const Settings& settings) const;
    // Writes every bound control into `settings`, in the order bound.
    void store(Settings& settings) const;

private:
    struct Binding {
        Fill fill;
        Store store;
    };
    std::vector<Binding> bindings_;
};

}  // namespace tessaro
