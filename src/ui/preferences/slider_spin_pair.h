#pragma once

#include <QAbstractSpinBox>
#include <QObject>
#include <QSlider>
#include <cstdint>

namespace tessaro {

// The range of a slider and spin pair. The slider runs over the same range
// moved by `sliderOffset` (brightness and contrast show -100..100 on a slider
// of 0..200). With `hundredths` the value is a number of hundredths and the
// spin box shows it as a decimal with two places (the gamma).
struct PairRange {
    int32_t minimum = 0;
    int32_t maximum = 100;
    int32_t sliderOffset = 0;
    bool hundredths = false;
};

// The spin box of a pair: an edit box with right-aligned text and arrows.
// Typed text is read at every edit and clamped to the range, so value() is
// always a valid value; the text itself is rewritten to that value when the
// editing ends (Return, leaving the box), so that typing is not disturbed.
// The arrows write the stepped value into the text at once.
class PairSpinBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    PairSpinBox(PairRange range, QWidget* parent);

    int32_t value() const { return value_; }
    // Clamps, shows the value's text and reports the value.
    void setValue(int32_t value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;

signals:
    void valueChanged(int32_t value);

protected:
    StepEnabled stepEnabled() const override;

private:
    int32_t clamped(int64_t value) const;
    QString textOf(int32_t value) const;
    void readTypedText(const QString& text);

    PairRange range_;
    int32_t value_ = 0;
};

// A slider and its spin box kept in step: moving one sets the other.
class SliderSpinPair : public QObject {
    Q_OBJECT

public:
    SliderSpinPair(PairRange range, QSlider* slider, PairSpinBox* spinBox);

    int32_t value() const { return spinBox->value(); }
    void setValue(int32_t value) { spinBox->setValue(value); }

    QSlider* const slider;
    PairSpinBox* const spinBox;

private:
    const PairRange range_;
};

}  // namespace tessaro
