#include "ui/preferences/slider_spin_pair.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/preferences/preferences_values.h"

namespace tessaro {

PairSpinBox::PairSpinBox(PairRange range, QWidget* parent)
    : QAbstractSpinBox(parent), range_(range), value_(range.minimum) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    lineEdit()->setText(textOf(value_));
    connect(lineEdit(), &QLineEdit::textEdited, this, &PairSpinBox::readTypedText);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (text() != textOf(value_))
            lineEdit()->setText(textOf(value_));
    });
}

void PairSpinBox::setValue(int32_t value) {
    value_ = clamped(value);
    if (text() != textOf(value_))
        lineEdit()->setText(textOf(value_));
    emit valueChanged(value_);
}

void PairSpinBox::stepBy(int steps) {
    setValue(clamped(int64_t{value_} + steps));
    selectAll();
}

QValidator::State PairSpinBox::validate(QString& input, int&) const {
    // Only what can become a number may be typed; how it reads is decided by
    // readTypedText.
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[-+]?[0-9]*\\s*$"));
    static const QRegularExpression decimalNumber(
        QStringLiteral("^\\s*[-+]?[0-9]*(\\.[0-9]*)?\\s*$"));
    const QRegularExpression& allowed = range_.hundredths ? decimalNumber : wholeNumber;
    return allowed.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled PairSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value_ < range_.maximum)
        enabled |= StepUpEnabled;
    if (value_ > range_.minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

int32_t PairSpinBox::clamped(int64_t value) const {
    return static_cast<int32_t>(std::clamp<int64_t>(value, range_.minimum, range_.maximum));
}

QString PairSpinBox::textOf(int32_t value) const {
    return range_.hundredths ? hundredthsText(value) : QString::number(value);
}

void PairSpinBox::readTypedText(const QString& text) {
    value_ = clamped(range_.hundredths ? readHundredths(text) : readWholeNumber(text));
    emit valueChanged(value_);
}

SliderSpinPair::SliderSpinPair(PairRange range, QSlider* pairSlider, PairSpinBox* pairSpinBox)
    : QObject(pairSpinBox), slider(pairSlider), spinBox(pairSpinBox), range_(range) {
    slider->setRange(range.minimum + range.sliderOffset, range.maximum + range.sliderOffset);
    slider->setValue(spinBox->value() + range.sliderOffset);
    connect(slider, &QSlider::valueChanged, spinBox,
            [this](int position) { spinBox->setValue(position - range_.sliderOffset); });
    connect(spinBox, &PairSpinBox::valueChanged, slider, [this](int32_t value) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value + range_.sliderOffset);
    });
}

}  // namespace tessaro
