// Preloaded into the program by tests of saving (LD_PRELOAD): it stands in
// for the system calls that write a file and makes one of them misbehave, as
// a full disk, a failing device, a process racing for a name or a signal in
// the middle of a save would.
//
// The calls it counts are those on the saves' own files: write and close on
// a descriptor that an exclusive create (O_CREAT | O_EXCL) returned, every
// fsync, every rename. Set in the environment:
//   TESSARO_SHIM_CALL   write, fsync, close or rename: the kind of call acted on
//   TESSARO_SHIM_AT     which call of that kind, counting from 1
//   TESSARO_SHIM_ERRNO  that call fails with this error number (the call is
//                       not made, except close, which closes and then fails)
//   TESSARO_SHIM_SHORT  set: that write writes half of what it is given
//   TESSARO_SHIM_STALL  a path: before that call, a file is created there
//                       and the call waits for ever, so a test can signal the
//                       program while the save is under way
//   TESSARO_SHIM_LINK   a path: every file an exclusive create makes is at
//                       once replaced by a symbolic link to that path

#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

enum { trackedCapacity = 256 };
static _Atomic int tracked[trackedCapacity];
static atomic_int callsSeen;

static void* next(const char* name) {
    return dlsym(RTLD_NEXT, name);
}

static int isTracked(int descriptor) {
    for (int index = 0; index < trackedCapacity; ++index)
        if (tracked[index] == descriptor + 1)
            return 1;
    return 0;
}

static void setTracked(int descriptor, int on) {
    for (int index = 0; index < trackedCapacity; ++index) {
        int expected = on ? 0 : descriptor + 1;
        if (atomic_compare_exchange_strong(&tracked[index], &expected, on ? descriptor + 1 : 0))
            return;
    }
}

// What to do with the call about to be made: 0 to make it as asked, or the
// error number it fails with; -1 when a write is to be cut short.
static int actionFor(const char* call) {
    const char* acted = getenv("TESSARO_SHIM_CALL");
    const char* at = getenv("TESSARO_SHIM_AT");
    if (acted == NULL || at == NULL || strcmp(acted, call) != 0)
        return 0;
    if (atomic_fetch_add(&callsSeen, 1) + 1 != atoi(at))
        return 0;
    const char* marker = getenv("TESSARO_SHIM_STALL");
    if (marker != NULL) {
        int (*realClose)(int) = (int (*)(int))next("close");
        int (*realOpen)(const char*, int, ...) = (int (*)(const char*, int, ...))next("open");
        realClose(realOpen(marker, O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        for (;;)
            pause();
    }
    if (getenv("TESSARO_SHIM_SHORT") != NULL)
        return -1;
    const char* error = getenv("TESSARO_SHIM_ERRNO");
    return error != NULL ? atoi(error) : 0;
}

static int created(int folder, const char* path, int flags, int descriptor) {
    if (descriptor < 0 || (flags & (O_CREAT | O_EXCL)) != (O_CREAT | O_EXCL))
        return descriptor;
    setTracked(descriptor, 1);
    const char* victim = getenv("TESSARO_SHIM_LINK");
    if (victim != NULL) {
        unlinkat(folder, path, 0);
        symlinkat(victim, folder, path);
    }
    return descriptor;
}

static mode_t modeOf(int flags, va_list arguments) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? (mode_t)va_arg(arguments, int) : 0;
}

int openat(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    int (*real)(int, const char*, int, ...) = (int (*)(int, const char*, int, ...))next("openat");
    return created(folder, path, flags, real(folder, path, flags, mode));
}

// The program creates its files with openat; a program that used open
// instead is seen all the same.
int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return openat(AT_FDCWD, path, flags, mode);
}

ssize_t write(int descriptor, const void* bytes, size_t count) {
    ssize_t (*real)(int, const void*, size_t) = (ssize_t(*)(int, const void*, size_t))next("write");
    if (!isTracked(descriptor))
        return real(descriptor, bytes, count);
    const int action = actionFor("write");
    if (action == -1)
        return real(descriptor, bytes, count / 2);
    if (action != 0) {
        errno = action;
        return -1;
    }
    return real(descriptor, bytes, count);
}

int fsync(int descriptor) {
    int (*real)(int) = (int (*)(int))next("fsync");
    const int action = actionFor("fsync");
    if (action > 0) {
        errno = action;
        return -1;
    }
    return real(descriptor);
}

int close(int descriptor) {
    int (*real)(int) = (int (*)(int))next("close");
    if (!isTracked(descriptor))
        return real(descriptor);
    setTracked(descriptor, 0);
    const int action = actionFor("close");
    const int result = real(descriptor);
    if (action > 0) {
        errno = action;
        return -1;
    }
    return result;
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    int (*real)(int, const char*, int, const char*) =
        (int (*)(int, const char*, int, const char*))next("renameat");
    const int action = actionFor("rename");
    if (action > 0) {
        errno = action;
        return -1;
    }
    return real(fromFolder, from, toFolder, to);
}

int rename(const char* from, const char* to) {
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}
