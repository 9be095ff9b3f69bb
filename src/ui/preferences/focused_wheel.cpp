#include "ui/preferences/focused_wheel.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace tessaro {

namespace {

template <typename Control>
void guard(QWidget* content, FocusedWheelFilter* filter) {
    for (Control* control : content->findChildren<Control*>(Qt::FindDirectChildrenOnly)) {
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(filter);
    }
}

}  // namespace

bool FocusedWheelFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    const auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr || control->hasFocus())
        return false;
    // Not delivered and not accepted: the event travels on to the parents.
    event->ignore();
    return true;
}

void keepWheelForFocusedControls(QWidget* content) {
    auto* filter = new FocusedWheelFilter(content);
    guard<QComboBox>(content, filter);
    guard<QAbstractSpinBox>(content, filter);
    guard<QAbstractSlider>(content, filter);
}

}  // namespace tessaro
