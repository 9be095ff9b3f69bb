#pragma once

#include <QObject>

class QWidget;

namespace tessaro {

// On a scrolling page the mouse wheel scrolls the page: a list, spin box or
// slider placed on `content` takes the wheel only while it has the keyboard
// focus, and the wheel no longer gives it the focus. The filter belongs to
// `content`.
void keepWheelForFocusedControls(QWidget* content);

// The filter itself: a wheel event over a control without the focus goes on
// to the control's parents, up to the scroll area, untouched.
class FocusedWheelFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tessaro
