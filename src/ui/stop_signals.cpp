#include "ui/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace tessaro {

namespace {

// A signal handler can reach nothing but process-wide state; it only writes
// into this pipe, which is safe inside a handler.
std::array<int, 2> stopPipe = {-1, -1};
constexpr std::array<int, 3> stopSignals = {SIGTERM, SIGINT, SIGHUP};
std::array<struct sigaction, stopSignals.size()> previousActions{};

void writeStopByte(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(stopPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

StopSignalWatcher::StopSignalWatcher(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    if (pipe2(stopPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        stopPipe = {-1, -1};
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(stopPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[16];
        while (read(stopPipe[0], bytes, sizeof bytes) > 0) {
        }
        onStop_();
    });
    struct sigaction action {};
    action.sa_handler = writeStopByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t index = 0; index < stopSignals.size(); ++index)
        sigaction(stopSignals[index], &action, &previousActions[index]);
}

StopSignalWatcher::~StopSignalWatcher() {
    if (!notifier_)
        return;
    for (size_t index = 0; index < stopSignals.size(); ++index)
        sigaction(stopSignals[index], &previousActions[index], nullptr);
    notifier_.reset();
    close(stopPipe[0]);
    close(stopPipe[1]);
    stopPipe = {-1, -1};
}

}  // namespace tessaro
