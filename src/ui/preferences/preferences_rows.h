#pragma once

// The rows of the preferences pages. A page (or a panel of a page) places
// its rows with a RowBuilder, top to bottom; every row has its label at the
// left and its control(s) from x 170, 30 pixels below the previous row:
//
//   RowBuilder rows(panel);
//   QComboBox* type = rows.list("Rotation Type", {"Simple Rotation", "Advanced Rotation"});
//   QCheckBox* rotate = rows.checkBox("Image Rotation");
//   PreferencesRow rotateRow = rows.lastRow();   // label and controls together
//   NumericFieldRow width = rows.numericField("Image Width", {"Pixels", "Percent"});
//   SliderSpinPair* angle = rows.sliderSpin("Rotation Angle", {0, 360});
//   SliderSpinPair* gamma = rows.sliderSpin("Image Gamma", {1, 999, 0, true});
//   ColorRow back = rows.colorButton("Background Color");
//   ChooserListRow font = rows.chooserList("Font");  // the "..." button is the page's to connect
//
// Keys are keys of the string table's group "Preferences"; list choices are
// keys as well, and a list's code is the position of its entry. Scrolling
// pages and panels put their rows into scrollingContent(). The fill and store
// helpers below keep the encodings of the settings in one place.

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/preferences/slider_spin_pair.h"

namespace tessaro {

// A row's label and controls, to enable, disable, show or hide together.
struct PreferencesRow {
    QLabel* label = nullptr;
    std::vector<QWidget*> controls;

    void setEnabled(bool enabled) const;
    void setVisible(bool visible) const;
};

// A field that accepts digits only, with its list of units.
struct NumericFieldRow {
    QLineEdit* field = nullptr;
    QComboBox* unit = nullptr;
};

// A button showing a swatch of the colour and a read-only field with its
// RRGGBB text; the field is what the row holds.
struct ColorRow {
    QPushButton* button = nullptr;
    QLineEdit* field = nullptr;
};

// A list, or a field, with a "..." button that opens a chooser.
struct ChooserListRow {
    QComboBox* list = nullptr;
    QPushButton* button = nullptr;
};

struct ChooserFieldRow {
    QLineEdit* field = nullptr;
    QPushButton* button = nullptr;
};

class RowBuilder {
public:
    explicit RowBuilder(QWidget* parent) : parent_(parent) {}

    QComboBox* list(std::string_view labelKey, const std::vector<std::string_view>& choiceKeys);
    // The list of a format selector; its entries carry icons.
    QComboBox* iconList(std::string_view labelKey);
    QCheckBox* checkBox(std::string_view labelKey);
    QLineEdit* field(std::string_view labelKey);
    NumericFieldRow numericField(std::string_view labelKey,
                                 const std::vector<std::string_view>& unitKeys);
    SliderSpinPair* sliderSpin(std::string_view labelKey, PairRange range);
    ColorRow colorButton(std::string_view labelKey);
    ChooserListRow chooserList(std::string_view labelKey);
    ChooserFieldRow chooserField(std::string_view labelKey);
    // A date and time picker showing year/month/day hour:minute, 24-hour clock.
    QDateTimeEdit* dateTime(std::string_view labelKey);

    // The row added last.
    PreferencesRow lastRow() const { return rows_.back(); }
    int rowCount() const { return static_cast<int>(rows_.size()); }

private:
    int controlY() const;
    void startRow(std::string_view labelKey);
    template <typename Control>
    Control* place(Control* control, int x, int width, int height);

    QWidget* parent_;
    std::vector<PreferencesRow> rows_;
};

// The panels below a selector row start here within the page.
inline constexpr int panelTop = 40;
inline constexpr QSize pageSize{450, 255};
inline constexpr QSize panelSize{450, 215};

// A borderless scroll area filling `host`, scrolling `contentSize` in steps of
// 10 pixels; returns the content widget that takes the rows.
QWidget* scrollingContent(QWidget* host, QSize contentSize);

// A panel below a selector row.
QWidget* selectorPanel(QWidget* page);

// Lists: the code is the entry's position. A code that has no entry leaves
// the list without a selection, and a list without a selection gives back
// `unchanged`, so that OK keeps a setting the list cannot show.
void setListCode(QComboBox* list, int32_t code);
int32_t listCode(const QComboBox* list, int32_t unchanged);

// Numeric fields: digits only; an empty field stores 0.
void setFieldNumber(QLineEdit* field, int32_t value);
int32_t fieldNumber(const QLineEdit* field);

// Colour rows: swatch and field from a setting's colour text, and back.
void setRowColor(const ColorRow& row, const QColor& color);
void setRowColor(const ColorRow& row, const std::string& colorText);
std::string rowColorText(const ColorRow& row);

// Colour lists (the watermark's font and background colours): one entry per
// colour of a "RRGGBB,RRGGBB,..." text, with a 16 x 16 swatch and the colour's
// name, the colour as item data. The entry of `current` is selected, else the
// first.
void fillColorList(QComboBox* list, const std::string& colors, const std::string& current);
// The "RRGGBB" text of the selected entry's colour.
std::string listColorText(const QComboBox* list);
// Adds an entry at the end for `color`; returns its position.
int addColorEntry(QComboBox* list, const QColor& color);
// The position of the entry holding `color`, -1 when none does.
int findColorEntry(const QComboBox* list, const QColor& color);

// A square swatch of a colour with a thin dark border.
QPixmap colorSwatch(const QColor& color, QSize size);

}  // namespace tessaro
