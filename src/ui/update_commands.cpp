#include "ui/update_commands.h"

#include <QApplication>
#include <QEventLoop>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "settings/local_time.h"
#include "ui/qt_text.h"
#include "ui/shell_open.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

// While the check runs, the pointer says the program is busy.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// What the fetching thread and the waiting window share. The thread may
// outlive the wait when the program quits meanwhile; it then finds no loop to
// wake and only drops its share.
struct FetchInProgress {
    std::mutex mutex;
    QEventLoop* waiting = nullptr;
    std::string text;
};

// Runs the fetch, lookup and all, on a thread of its own while the window
// keeps handling its events, so it repaints and stays responsive; returns
// "" when the program quits before the fetch ends.
std::string fetchOffTheWindowThread() {
    const WaitCursor waiting;
    auto shared = std::make_shared<FetchInProgress>();
    QEventLoop loop;
    shared->waiting = &loop;
    try {
        std::thread([shared, fetch = publishedVersionSource()] {
            std::string text = fetch();
            const std::lock_guard lock(shared->mutex);
            shared->text = std::move(text);
            if (shared->waiting != nullptr)
                QMetaObject::invokeMethod(shared->waiting, &QEventLoop::quit, Qt::QueuedConnection);
        }).detach();
    } catch (const std::system_error&) {
        return {};
    }
    loop.exec();
    const std::lock_guard lock(shared->mutex);
    shared->waiting = nullptr;
    return std::move(shared->text);
}

// A second check asked for while one runs is not started: the first one
// reports.
class OneCheckAtATime {
public:
    OneCheckAtATime() : first_(!running_) { running_ = true; }
    ~OneCheckAtATime() {
        if (first_)
            running_ = false;
    }
    OneCheckAtATime(const OneCheckAtATime&) = delete;
    OneCheckAtATime& operator=(const OneCheckAtATime&) = delete;
    bool first() const { return first_; }

private:
    static inline bool running_ = false;
    bool first_;
};

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
    const OneCheckAtATime check;
    if (check.first())
        checkForUpdate(windowUpdateDialogs(mode.window.get()), fetchOffTheWindowThread);
}

void runScheduledUpdateCheck(WindowMode& mode) {
    const OneCheckAtATime check;
    if (check.first())
        scheduledUpdateCheck(mode.settings, currentLocalTimestamp(),
                             windowUpdateDialogs(mode.window.get()), fetchOffTheWindowThread);
}

}  // namespace tessaro
