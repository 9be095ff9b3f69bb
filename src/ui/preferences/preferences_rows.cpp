#include "ui/preferences/preferences_rows.h"

#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "ui/preferences/preferences_values.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

constexpr int rowSpacing = 30;
constexpr int firstRowY = 10;
constexpr int labelOffsetY = 3;
constexpr int labelX = 10;
constexpr int labelWidth = 160;
constexpr int controlX = 170;
constexpr int controlWidth = 240;
constexpr int fieldHeight = 20;
constexpr int listHeight = 21;
constexpr int unitX = 340;
constexpr int unitWidth = 70;
constexpr int numericFieldWidth = 160;
constexpr int sliderWidth = 170;
constexpr int colorButtonWidth = 44;
constexpr int colorButtonHeight = 22;
constexpr QSize colorButtonSwatch{34, 12};
constexpr int colorFieldX = 220;
constexpr int colorFieldWidth = 190;
constexpr int chooserWidth = 214;
constexpr int chooserButtonX = 389;
constexpr int chooserButtonSize = 22;
constexpr int listIconSize = 16;
constexpr int scrollStep = 10;

QString preferencesText(std::string_view key) {
    return uiText("Preferences", key);
}

QComboBox* newList(QWidget* parent, const std::vector<std::string_view>& choiceKeys) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    for (const std::string_view key : choiceKeys)
        list->addItem(preferencesText(key));
    return list;
}

}  // namespace

void PreferencesRow::setEnabled(bool enabled) const {
    label->setEnabled(enabled);
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void PreferencesRow::setVisible(bool visible) const {
    label->setVisible(visible);
    for (QWidget* control : controls)
        control->setVisible(visible);
}

int RowBuilder::controlY() const {
    return firstRowY + rowSpacing * (rowCount() - 1);
}

void RowBuilder::startRow(std::string_view labelKey) {
    auto* label = new QLabel(preferencesText(labelKey), parent_);
    label->setGeometry(labelX, firstRowY + labelOffsetY + rowSpacing * rowCount(), labelWidth,
                       fieldHeight);
    rows_.push_back({label, {}});
}

template <typename Control>
Control* RowBuilder::place(Control* control, int x, int width, int height) {
    control->setGeometry(x, controlY(), width, height);
    rows_.back().controls.push_back(control);
    return control;
}

QComboBox* RowBuilder::list(std::string_view labelKey,
                            const std::vector<std::string_view>& choiceKeys) {
    startRow(labelKey);
    return place(newList(parent_, choiceKeys), controlX, controlWidth, listHeight);
}

QComboBox* RowBuilder::iconList(std::string_view labelKey) {
    QComboBox* list = this->list(labelKey, {});
    list->setIconSize(QSize(listIconSize, listIconSize));
    return list;
}

QCheckBox* RowBuilder::checkBox(std::string_view labelKey) {
    startRow(labelKey);
    return place(new QCheckBox(parent_), controlX, controlWidth, fieldHeight);
}

QLineEdit* RowBuilder::field(std::string_view labelKey) {
    startRow(labelKey);
    return place(new QLineEdit(parent_), controlX, controlWidth, fieldHeight);
}

NumericFieldRow RowBuilder::numericField(std::string_view labelKey,
                                         const std::vector<std::string_view>& unitKeys) {
    startRow(labelKey);
    NumericFieldRow row;
    // A unit list too narrow for its longest unit ("Percent") takes the room
    // it needs from the field, so the row keeps its right edge.
    QComboBox* unit = newList(parent_, unitKeys);
    const int widening = std::max(0, unit->sizeHint().width() - unitWidth);
    row.field = place(new QLineEdit(parent_), controlX, numericFieldWidth - widening, fieldHeight);
    row.field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), row.field));
    row.unit = place(unit, unitX - widening, unitWidth + widening, listHeight);
    row.unit->setCurrentIndex(0);
    return row;
}

SliderSpinPair* RowBuilder::sliderSpin(std::string_view labelKey, PairRange range) {
    startRow(labelKey);
    auto* slider = place(new QSlider(Qt::Horizontal, parent_), controlX, sliderWidth, fieldHeight);
    auto* spinBox = place(new PairSpinBox(range, parent_), unitX, unitWidth, fieldHeight);
    return new SliderSpinPair(range, slider, spinBox);
}

ColorRow RowBuilder::colorButton(std::string_view labelKey) {
    startRow(labelKey);
    ColorRow row;
    row.button = place(new QPushButton(parent_), controlX, colorButtonWidth, colorButtonHeight);
    row.button->setIconSize(colorButtonSwatch);
    row.field = place(new QLineEdit(parent_), colorFieldX, colorFieldWidth, fieldHeight);
    row.field->setReadOnly(true);
    setRowColor(row, QColor(Qt::black));
    return row;
}

ChooserListRow RowBuilder::chooserList(std::string_view labelKey) {
    startRow(labelKey);
    ChooserListRow row;
    row.list = place(newList(parent_, std::vector<std::string_view>{}), controlX, chooserWidth,
                     listHeight);
    row.list->setIconSize(QSize(listIconSize, listIconSize));
    row.button = place(new QPushButton(QStringLiteral("..."), parent_), chooserButtonX,
                       chooserButtonSize, chooserButtonSize);
    return row;
}

ChooserFieldRow RowBuilder::chooserField(std::string_view labelKey) {
    startRow(labelKey);
    ChooserFieldRow row;
    row.field = place(new QLineEdit(parent_), controlX, chooserWidth, fieldHeight);
    row.button = place(new QPushButton(QStringLiteral("..."), parent_), chooserButtonX,
                       chooserButtonSize, chooserButtonSize);
    return row;
}

QDateTimeEdit* RowBuilder::dateTime(std::string_view labelKey) {
    startRow(labelKey);
    auto* picker = place(new QDateTimeEdit(parent_), controlX, controlWidth, listHeight);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd HH:mm"));
    return picker;
}

QWidget* scrollingContent(QWidget* host, QSize contentSize) {
    auto* area = new QScrollArea(host);
    area->setFrameShape(QFrame::NoFrame);
    area->setGeometry(QRect(QPoint(0, 0), host->size()));
    area->setWidgetResizable(false);
    auto* content = new QWidget;
    content->setFixedSize(contentSize);
    area->setWidget(content);
    area->verticalScrollBar()->setSingleStep(scrollStep);
    area->horizontalScrollBar()->setSingleStep(scrollStep);
    return content;
}

QWidget* selectorPanel(QWidget* page) {
    auto* panel = new QWidget(page);
    panel->setGeometry(QRect(QPoint(0, panelTop), panelSize));
    return panel;
}

void setListCode(QComboBox* list, int32_t code) {
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

int32_t listCode(const QComboBox* list, int32_t unchanged) {
    return list->currentIndex() >= 0 ? list->currentIndex() : unchanged;
}

void setFieldNumber(QLineEdit* field, int32_t value) {
    field->setText(QString::number(value));
}

int32_t fieldNumber(const QLineEdit* field) {
    return readWholeNumber(field->text());
}

void setRowColor(const ColorRow& row, const QColor& color) {
    row.button->setIcon(QIcon(colorSwatch(color, colorButtonSwatch)));
    row.field->setText(colorText(color));
}

void setRowColor(const ColorRow& row, const std::string& colorText) {
    setRowColor(row, settingColor(colorText));
}

std::string rowColorText(const ColorRow& row) {
    return toUtf8(colorText(settingColor(toUtf8(row.field->text()))));
}

QPixmap colorSwatch(const QColor& color, QSize size) {
    QPixmap swatch(size);
    swatch.fill(color);
    QPainter painter(&swatch);
    painter.setPen(QColor(Qt::darkGray));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return swatch;
}

std::string listColorText(const QComboBox* list) {
    return toUtf8(colorText(list->currentData().value<QColor>()));
}

int addColorEntry(QComboBox* list, const QColor& color) {
    list->addItem(QIcon(colorSwatch(color, QSize(listIconSize, listIconSize))), colorName(color),
                  color);
    return list->count() - 1;
}

int findColorEntry(const QComboBox* list, const QColor& color) {
    for (int index = 0; index < list->count(); ++index) {
        if (list->itemData(index).value<QColor>() == color)
            return index;
    }
    return -1;
}

void fillColorList(QComboBox* list, const std::string& colors, const std::string& current) {
    list->clear();
    for (const QString& entry : listEntries(colors))
        addColorEntry(list, settingColor(toUtf8(entry)));
    list->setCurrentIndex(0);
    const int found = findColorEntry(list, settingColor(current));
    if (found >= 0)
        list->setCurrentIndex(found);
}

}  // namespace tessaro
