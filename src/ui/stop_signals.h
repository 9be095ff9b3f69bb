#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace tessaro {

// While it exists, SIGTERM, SIGINT and SIGHUP do not end the process at once:
// the signal handler writes one byte into a pipe, and whichever event loop
// runs, a nested one of a dialog included, calls `onStop` when it reads it. A
// signal that comes while no loop runs waits in the pipe for the next one. The
// previous handlers are restored when it goes.
class StopSignalWatcher {
public:
    explicit StopSignalWatcher(std::function<void()> onStop);
    StopSignalWatcher(const StopSignalWatcher&) = delete;
    StopSignalWatcher& operator=(const StopSignalWatcher&) = delete;
    ~StopSignalWatcher();

    // False when the pipe could not be made; the signals then keep their
    // default action.
    bool active() const { return notifier_ != nullptr; }

private:
    std::function<void()> onStop_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tessaro
