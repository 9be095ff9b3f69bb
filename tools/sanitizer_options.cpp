// Sanitized builds only: the options every sanitized program of this build
// starts with, so a test run, the program it starts and a run by hand all
// check alike, and the record of every report for the test run. The
// sanitizer runtimes call these functions by name; the environment's
// ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS still override single options.

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>

namespace {

// Writes the parts as one line with one write, so the lines of processes
// that report at once stay whole. It runs inside a report: no allocation, no
// instrumented memory access, only a system call.
__attribute__((no_sanitize("address", "undefined"))) void writeLine(
    int fd, std::initializer_list<const char*> parts) {
    char line[1024];
    size_t length = 0;
    for (const char* part : parts)
        for (; *part != '\0' && length < sizeof line - 1; ++part) line[length++] = *part;
    line[length++] = '\n';
    ssize_t ignored = write(fd, line, length);
    (void)ignored;
}

}  // namespace

extern "C" {

const char* __asan_default_options() {
    return "check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:print_summary=1";
}

// Leaks that libraries keep on purpose until exit are listed in lsan.supp.
const char* __lsan_default_options() {
    return "suppressions=" TESSARO_LEAK_SUPPRESSIONS ":print_suppressions=0";
}

// Called with the summary line of every report. A program that a test starts
// may report a fault and still end as the test expects, so the summary also
// goes to the file TESSARO_SANITIZER_REPORTS names, which the test run checks
// at its end.
__attribute__((no_sanitize("address", "undefined"))) void __sanitizer_report_error_summary(const char* summary) {
    writeLine(STDERR_FILENO, {summary});
    const char* reports = std::getenv("TESSARO_SANITIZER_REPORTS");
    if (reports == nullptr || *reports == '\0') return;
    const int fd = open(reports, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    writeLine(fd, {program_invocation_short_name, ": ", summary});
    close(fd);
}
}
