#include "support/program_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace tessaro::test {

namespace fs = std::filesystem;

ScratchHome::ScratchHome() {
    std::string pattern = (fs::temp_directory_path() / "tessaro-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    fs::create_directories(configHome());
    fs::create_directories(runtimeDir());
    fs::permissions(runtimeDir(), fs::perms::owner_all);
}

void ScratchHome::setEnvironment(std::string name, std::optional<std::string> value) {
    environment_.emplace_back(std::move(name), std::move(value));
}

ScratchHome::~ScratchHome() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

namespace {

// Reads both output pipes to their end while writing the input, so that a
// chatty program never blocks on a full pipe; false when they were still open
// when `deadline` came.
bool pumpPipes(int inputFd, const std::string& input, int outFd, int errFd, ProgramResult& result,
               std::chrono::steady_clock::time_point deadline) {
    size_t written = 0;
    if (input.empty()) {
        close(inputFd);
        inputFd = -1;
    }
    std::array<char, 4096> buffer{};
    while (outFd >= 0 || errFd >= 0) {
        std::array<pollfd, 3> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}, {inputFd, POLLOUT, 0}}};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        if (poll(fds.data(), fds.size(), static_cast<int>(left.count())) < 0) break;
        for (int index = 0; index < 2; ++index) {
            if (fds[index].fd < 0 || fds[index].revents == 0) continue;
            ssize_t count = read(fds[index].fd, buffer.data(), buffer.size());
            if (count <= 0) {
                close(fds[index].fd);
                (index == 0 ? outFd : errFd) = -1;
                continue;
            }
            (index == 0 ? result.standardOutput : result.standardError).append(buffer.data(), count);
        }
        if (inputFd >= 0 && fds[2].revents != 0) {
            ssize_t count = write(inputFd, input.data() + written, input.size() - written);
            if (count > 0) written += count;
            if (count <= 0 || written == input.size()) {
                close(inputFd);
                inputFd = -1;
            }
        }
    }
    for (int fd : {inputFd, outFd, errFd})
        if (fd >= 0) close(fd);
    return outFd < 0 && errFd < 0;
}

// Runs in the forked child before it becomes the program.
void prepareChild(const ScratchHome& home, const fs::path& workingFolder, const ChildSetup& setup) {
    if (!workingFolder.empty() && chdir(workingFolder.c_str()) != 0)
        _exit(126);
    setenv("HOME", home.root().c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.configHome().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.runtimeDir().c_str(), 1);
    for (const auto& [name, value] : home.environment()) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    for (const auto& [name, value] : setup.environment) setenv(name.c_str(), value.c_str(), 1);
    for (int stopSignal : {SIGINT, SIGTERM, SIGHUP}) signal(stopSignal, SIG_DFL);
    for (int ignored : setup.ignoredSignals) signal(ignored, SIG_IGN);
    if (setup.fileSizeLimit) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{*setup.fileSizeLimit, *setup.fileSizeLimit};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(126);
    }
}

}  // namespace

RunningProgram::RunningProgram(const ScratchHome& home, const std::vector<std::string>& arguments,
                               const fs::path& workingFolder, const ChildSetup& setup) {
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0)
        throw std::runtime_error("pipe failed");
    child_ = fork();
    if (child_ == 0) {
        dup2(inPipe[0], 0);
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
            close(fd);
        prepareChild(home, workingFolder, setup);
        std::vector<char*> argv;
        std::string program = TESSARO_PROGRAM;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (auto& argument : copies) argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    input_ = inPipe[1];
    output_ = outPipe[0];
    error_ = errPipe[0];
}

RunningProgram::~RunningProgram() {
    if (child_ < 0)
        return;
    kill(child_, SIGKILL);
    finish();
}

bool RunningProgram::running() const {
    siginfo_t info{};
    return waitid(P_PID, child_, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

ProgramResult RunningProgram::finish(const std::string& standardInput) {
    signal(SIGPIPE, SIG_IGN);
    ProgramResult result;
    const bool ended = pumpPipes(input_, standardInput, output_, error_, result,
                                 std::chrono::steady_clock::now() + std::chrono::minutes(1));
    if (!ended) kill(child_, SIGKILL);
    int status = 0;
    waitpid(child_, &status, 0);
    child_ = -1;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

ProgramResult runTessaro(const ScratchHome& home, const std::vector<std::string>& arguments,
                         const fs::path& workingFolder, const std::string& standardInput,
                         const ChildSetup& setup) {
    return RunningProgram(home, arguments, workingFolder, setup).finish(standardInput);
}

}  // namespace tessaro::test
