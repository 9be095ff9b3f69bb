#pragma once

#include <filesystem>
#include <optional>
#include <string>
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

// Runs the built tessaro with the given arguments, in `workingFolder`, with the
// scratch home's environment, feeding `standardInput` to it. A program still
// running after a minute is killed, so that a hang fails the test.
ProgramResult runTessaro(const ScratchHome& home, const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingFolder = {},
                         const std::string& standardInput = {});

}  // namespace tessaro::test
