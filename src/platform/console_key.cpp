#include "platform/console_key.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace tessaro {

namespace {

// Puts the terminal into single-key mode for as long as it lives.
class SingleKeyMode {
public:
    SingleKeyMode() {
        if (tcgetattr(STDIN_FILENO, &saved_) != 0)
            return;
        termios raw = saved_;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        active_ = tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
    }
    ~SingleKeyMode() {
        if (active_)
            tcsetattr(STDIN_FILENO, TCSANOW, &saved_);
    }
    SingleKeyMode(const SingleKeyMode&) = delete;
    SingleKeyMode& operator=(const SingleKeyMode&) = delete;

private:
    termios saved_{};
    bool active_ = false;
};

}  // namespace

void waitForKey() {
    SingleKeyMode mode;
    char key = 0;
    while (read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
    }
}

}  // namespace tessaro
