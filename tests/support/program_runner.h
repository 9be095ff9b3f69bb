#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessaro::test {

struct ProgramResult {
    int exitStatus = -1;  // -1 when the program did not exit normally
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

private:
    std::filesystem::path root_;
};

// Runs the built tessaro with the given arguments, in `workingFolder`, with the
// scratch home's environment, feeding `standardInput` to it.
ProgramResult runTessaro(const ScratchHome& home, const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingFolder = {},
                         const std::string& standardInput = {});

}  // namespace tessaro::test
