#pragma once

#include <QCoreApplication>

#include "ui/preferences/preferences_dialog.h"
#include "window_fixture.h"

namespace tessaro::test {

// The open preferences dialog of the fixture's main window, nullptr when none
// is open; dialogs closed before are deleted first.
inline PreferencesDialog* openDialog(WindowFixture& fixture) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return fixture.window().findChild<PreferencesDialog*>();
}

}  // namespace tessaro::test
