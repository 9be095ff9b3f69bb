#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessaro::test {

struct ProgramResult {
    int exitStatus = -1;  // -1 when the program did not exit normally or ran out of time
    std::string standardOutput;
    std::string standardError;
};

// A private home for one whole-program test: HOME, XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR point into a fresh temporary folder that is removed with it.
class ScratchHome {
public:
    ScratchHome();
    ~ScratchHome();
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path configHome() const { return root_ / "config"; }
    std::filesystem::path runtimeDir() const { return root_ / "runtime"; }

    // Sets (or, without a value, removes) a variable of the program's
    // environment, over the scratch home's own.
    void setEnvironment(std::string name, std::optional<std::string> value);
    const std::vector<std::pair<std::string, std::optional<std::string>>>& environment() const {
        return environment_;
    }

private:
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> environment_;
};

// What a test changes about the program's process before it starts. SIGINT,
// SIGTERM and SIGHUP start with their default action unless listed in
// `ignoredSignals`, however the test itself was started.
struct ChildSetup {
    // Set on top of the scratch home's variables.
    std::vector<std::pair<std::string, std::string>> environment;
    // RLIMIT_FSIZE, with SIGXFSZ ignored: a write beyond it fails with EFBIG.
    std::optional<rlim_t> fileSizeLimit;
    std::vector<int> ignoredSignals;
};

// The built tessaro, started in `workingFolder` with the scratch home's
// environment; the test may signal it before it finishes it. A program that
// is never finished is killed when this goes.
class RunningProgram {
public:
    RunningProgram(const ScratchHome& home, const std::vector<std::string>& arguments,
                   const std::filesystem::path& workingFolder = {}, const ChildSetup& setup = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    pid_t pid() const { return child_; }
    // True until the program has ended.
    bool running() const;

    // Feeds `standardInput` to the program, reads both outputs to their end
    // and waits for it to end; one still running a minute later is killed.
    ProgramResult finish(const std::string& standardInput = {});

private:
    pid_t child_ = -1;
    int input_ = -1;
    int output_ = -1;
    int error_ = -1;
};

// Runs the built tessaro with the given arguments, in `workingFolder`, with the
// scratch home's environment, feeding `standardInput` to it. A program still
// running after a minute is killed, so that a hang fails the test.
ProgramResult runTessaro(const ScratchHome& home, const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingFolder = {},
                         const std::string& standardInput = {}, const ChildSetup& setup = {});

}  // namespace tessaro::test
