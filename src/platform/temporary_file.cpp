#include "platform/temporary_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <utility>

#include "platform/random_seed.h"

namespace tessaro {

namespace {

// ".tessaro-", 16 hexadecimal digits, ".part".
constexpr size_t nameLength = 30;

enum EntryState : int {
    unused,
    claimed,   // a writer has it; no file of it exists
    creating,  // its file may or may not exist yet: a writer is between the two states
    created,   // its file exists and is not yet renamed
};

// A temporary file in the making. A signal handler reads the list, so an
// entry holds no pointer to memory that may go away, and its state is a
// lock-free atomic that orders the plain fields for the handler.
struct Entry {
    std::atomic<int> state{unused};
    int folder = -1;
    char name[nameLength + 1] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);

// More than a process ever saves at once: a writer holds one entry per file.
constinit std::array<Entry, 1024> entries{};
constinit std::atomic<bool> stopping{false};

int claimEntry() {
    for (size_t index = 0; index < entries.size(); ++index) {
        int expected = unused;
        if (entries[index].state.compare_exchange_strong(expected, claimed))
            return static_cast<int>(index);
    }
    return -1;
}

void writeFreshName(Entry& entry) {
    const uint64_t bits = (uint64_t{randomSeed()} << 32) | randomSeed();
    std::snprintf(entry.name, sizeof entry.name, ".tessaro-%016" PRIx64 ".part", bits);
}

// Creates the entry's file and records whether it exists. No signal handler
// runs on this thread meanwhile, so a handler that finds the entry `creating`
// runs on another thread and can wait for it to settle. A stop that came first
// creates nothing; one that comes later finds the entry.
int createExclusively(Entry& entry) {
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    entry.state.store(creating);
    int descriptor = -1;
    int error = ECANCELED;
    if (!stopping.load()) {
        // O_EXCL fails on any existing name, a symbolic link included.
        descriptor =
            openat(entry.folder, entry.name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = errno;
    }
    entry.state.store(descriptor >= 0 ? created : claimed);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return descriptor;
}

}  // namespace

Result<TemporaryFile> TemporaryFile::createIn(int folder) {
    const int index = claimEntry();
    if (index < 0)
        return Failure{"too many files are being saved at once"};
    Entry& entry = entries[index];
    entry.folder = folder;
    // A name taken already is another save's temporary file, or a file
    // someone placed there; a fresh name is tried a few times.
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        writeFreshName(entry);
        const int descriptor = createExclusively(entry);
        if (descriptor >= 0)
            return TemporaryFile(index, descriptor);
        error = errno;
    }
    entry.state.store(unused);
    return systemFailure(error);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : entry_(std::exchange(other.entry_, -1)), descriptor_(std::exchange(other.descriptor_, -1)) {}

TemporaryFile::~TemporaryFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (entry_ < 0)
        return;
    Entry& entry = entries[entry_];
    unlinkat(entry.folder, entry.name, 0);
    entry.state.store(unused);
}

Result<void> TemporaryFile::close() {
    if (::close(std::exchange(descriptor_, -1)) != 0)
        return systemFailure(errno);
    return {};
}

Result<void> TemporaryFile::renameTo(const std::string& name) {
    Entry& entry = entries[entry_];
    if (renameat(entry.folder, entry.name, entry.folder, name.c_str()) != 0)
        return systemFailure(errno);
    entry.state.store(unused);
    entry_ = -1;
    return {};
}

void removeTemporaryFiles() {
    const int savedErrno = errno;
    stopping.store(true);
    for (Entry& entry : entries) {
        int state = entry.state.load();
        while (state == creating)
            state = entry.state.load();
        if (state == created)
            unlinkat(entry.folder, entry.name, 0);
    }
    errno = savedErrno;
}

}  // namespace tessaro
