#pragma once

#include <signal.h>

#include <array>

namespace tessaro {

// While it exists, SIGINT, SIGTERM and SIGHUP end the console run at once:
// the temporary file of every save under way is removed, no further save
// starts, and the process exits with the status of
// ProgramOutcome::stoppedBySignal. An output file is therefore either its old
// self or completely written. A signal that was ignored when the program
// started (nohup ignores SIGHUP) stays ignored. The previous handlers are
// restored when it goes.
class ConsoleStopSignals {
public:
    ConsoleStopSignals();
    ~ConsoleStopSignals();
    ConsoleStopSignals(const ConsoleStopSignals&) = delete;
    ConsoleStopSignals& operator=(const ConsoleStopSignals&) = delete;

private:
    static constexpr std::array<int, 3> stopSignals_ = {SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, stopSignals_.size()> previous_{};
};

}  // namespace tessaro
