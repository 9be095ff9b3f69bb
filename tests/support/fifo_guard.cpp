#include "support/fifo_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tessaro::test {

bool endsWithoutAWriter(const std::filesystem::path& fifo, const std::function<void()>& work) {
    using namespace std::chrono_literals;
    std::mutex lock;
    std::condition_variable ended;
    bool done = false;
    bool helped = false;
    // `work` runs on the calling thread, which may be the only one allowed to
    // make windows; the guard waits beside it.
    std::thread guard([&] {
        std::unique_lock held(lock);
        if (ended.wait_for(held, 20s, [&] { return done; }))
            return;
        helped = true;
        // A reader stuck in opening the FIFO is let go by a writer; it then
        // reads an empty file. It may open the FIFO again, so writers keep coming.
        while (!ended.wait_for(held, 50ms, [&] { return done; })) {
            const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0)
                close(writer);
        }
    });
    work();
    {
        std::lock_guard held(lock);
        done = true;
    }
    ended.notify_all();
    guard.join();
    return !helped;
}

}  // namespace tessaro::test
