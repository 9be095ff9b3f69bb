#include "ui/update_commands.h"

#include <QApplication>

#include "settings/local_time.h"
#include "ui/qt_text.h"
#include "ui/shell_open.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

// The request blocks the window for up to ten seconds; the pointer shows it.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

VersionFetch fetchWithWaitCursor() {
    return [] {
        const WaitCursor waiting;
        return publishedVersionSource()();
    };
}

}  // namespace

VersionFetch& publishedVersionSource() {
    static VersionFetch source = fetchVendorVersionText;
    return source;
}

UpdateDialogs windowUpdateDialogs(QWidget* parent) {
    UpdateDialogs dialogs;
    dialogs.askYesNo = [parent](const std::string& title, const std::string& text) {
        return userDialogs().question(parent, toQString(title), toQString(text));
    };
    dialogs.showMessage = [parent](MessageIcon icon, const std::string& title,
                                   const std::string& text) {
        const auto& show =
            icon == MessageIcon::error ? userDialogs().error : userDialogs().information;
        show(parent, toQString(title), toQString(text));
    };
    dialogs.openAddress = [](const std::string& address) { runProgram(address); };
    return dialogs;
}

void checkForUpdateNow(WindowMode& mode) {
    checkForUpdate(windowUpdateDialogs(mode.window.get()), fetchWithWaitCursor());
}

void runScheduledUpdateCheck(WindowMode& mode) {
    scheduledUpdateCheck(mode.settings, currentLocalTimestamp(),
                         windowUpdateDialogs(mode.window.get()), fetchWithWaitCursor());
}

}  // namespace tessaro
