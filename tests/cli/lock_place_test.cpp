#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/single_instance.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* lockName = "Brimvale ICO to JPG 2.7.lock";

// A user's scratch home with an icon in it and a temporary folder of its own
// ($TMPDIR), so that no run locks in the machine's /tmp.
struct LockRunScratch {
    ScratchHome home;
    fs::path temporary = home.root() / "tmp";
    fs::path privateFolder = temporary / ("tessaro-" + std::to_string(geteuid()));
    fs::path runtimeLock = home.runtimeDir() / lockName;

    LockRunScratch() {
        fs::create_directory(temporary);
        home.setEnvironment("TMPDIR", temporary.string());
        EXPECT_TRUE(writeIcon(home.root() / "a.ico", {filledPage(16, 16, 32, {9, 9, 9, 255})}));
    }
    ProgramResult run(const std::vector<std::string>& arguments) {
        return runTessaro(home, arguments, home.root());
    }
};

using Arrange = std::function<void(LockRunScratch&)>;

void withoutRuntimeFolder(LockRunScratch& scratch) {
    scratch.home.setEnvironment("XDG_RUNTIME_DIR", std::nullopt);
}

void fifoAtTheRuntimeLock(LockRunScratch& scratch) {
    ASSERT_EQ(mkfifo(scratch.runtimeLock.c_str(), 0600), 0);
}

TEST(LockPlace, RunLocksInTheRuntimeFolderOnlyWhenItIsUsable) {
    struct Case {
        const char* name;
        Arrange arrange;
        bool inRuntimeFolder;
    };
    const Case cases[] = {
        {"usable", [](LockRunScratch&) {}, true},
        {"unset", withoutRuntimeFolder, false},
        {"relative",
         [](LockRunScratch& scratch) { scratch.home.setEnvironment("XDG_RUNTIME_DIR", "runtime"); },
         false},
        {"missing",
         [](LockRunScratch& scratch) {
             scratch.home.setEnvironment("XDG_RUNTIME_DIR",
                                         (scratch.home.root() / "missing").string());
         },
         false},
    };
    for (const Case& row : cases) {
        LockRunScratch scratch;
        row.arrange(scratch);
        const ProgramResult result = scratch.run({"-q", "-i", "a.ico"});
        EXPECT_EQ(result.exitStatus, 0) << row.name << ": " << result.standardError;
        EXPECT_EQ(fs::is_regular_file(scratch.runtimeLock), row.inRuntimeFolder) << row.name;
        EXPECT_EQ(fs::is_regular_file(scratch.privateFolder / lockName), !row.inRuntimeFolder)
            << row.name;
        EXPECT_TRUE(fs::exists(scratch.home.root() / "a.jpg")) << row.name;
    }
}

TEST(LockPlace, UnusableLockPlaceIsNamedWithItsCauseNeverFollowedNorWaitedOn) {
    struct Case {
        const char* name;
        Arrange arrange;
        std::vector<std::string> arguments;
        std::function<std::string(const LockRunScratch&)> error;
    };
    const auto fileError = [](const char* why) {
        return [why](const LockRunScratch& scratch) {
            return "Error: Cannot use the lock file " + scratch.runtimeLock.string() + ": " + why +
                   "\n";
        };
    };
    const Case cases[] = {
        {"FIFO, console run",
         fifoAtTheRuntimeLock,
         {"-q", "-i", "a.ico"},
         fileError("not a regular file")},
        {"FIFO, window mode", fifoAtTheRuntimeLock, {}, fileError("not a regular file")},
        {"symbolic link",
         [](LockRunScratch& scratch) {
             fs::create_symlink(scratch.home.root() / "planted", scratch.runtimeLock);
         },
         {"-q", "-i", "a.ico"},
         fileError("a symbolic link")},
        {"private folder a symbolic link",
         [](LockRunScratch& scratch) {
             withoutRuntimeFolder(scratch);
             fs::create_directory_symlink(scratch.home.root() / "planted", scratch.privateFolder);
         },
         {"-q", "-i", "a.ico"},
         [](const LockRunScratch& scratch) {
             return "Error: Cannot use the lock folder " + scratch.privateFolder.string() +
                    ": a symbolic link\n";
         }},
    };
    for (const Case& row : cases) {
        LockRunScratch scratch;
        row.arrange(scratch);
        const ProgramResult result = scratch.run(row.arguments);
        EXPECT_EQ(result.exitStatus, 1) << row.name;
        EXPECT_EQ(result.standardOutput, "") << row.name;
        EXPECT_EQ(result.standardError, row.error(scratch)) << row.name;
        EXPECT_FALSE(fs::exists(scratch.home.root() / "planted")) << row.name;
        EXPECT_FALSE(fs::exists(scratch.home.root() / "a.jpg")) << row.name;
    }
}

TEST(LockPlace, HelpAndVersionLeaveTheLockAloneWhileEveryOtherCommandTakesIt) {
    struct Case {
        const char* name;
        Arrange arrange;
        std::vector<std::string> arguments;
        int status;
        std::string outputStart;
        std::string error;
    };
    const std::string refused = "Error: Another copy of Brimvale ICO to JPG 2.7 is running.\n";
    const Case cases[] = {
        {"FIFO", fifoAtTheRuntimeLock, {"-v"}, 0, "2.7\n", ""},
        {"FIFO", fifoAtTheRuntimeLock, {" --Help "}, 0, " \nUsage: tessaro -i <filename>", ""},
        {"no runtime folder", withoutRuntimeFolder, {"--version=1"}, 0, "2.7\n", ""},
        {"private folder a file",
         [](LockRunScratch& scratch) {
             withoutRuntimeFolder(scratch);
             std::ofstream(scratch.privateFolder) << "x";
         },
         {"-?"},
         0,
         " \nUsage: tessaro -i <filename>",
         ""},
        {"held", {}, {"-V"}, 0, "2.7\n", ""},
        {"held", {}, {"-U"}, 3, "", refused},
        {"held", {}, {"-T", "shots"}, 3, "", refused},
        {"held", {}, {"-i", "a.ico", "-v"}, 3, "", refused},
    };
    for (const Case& row : cases) {
        LockRunScratch scratch;
        if (row.arrange)
            row.arrange(scratch);
        Result<LockFolder> folder = openLockFolder(scratch.home.runtimeDir().string(), "");
        ASSERT_TRUE(folder) << folder.failure().reason;
        const std::optional<Result<LockAttempt>> held =
            row.arrange ? std::nullopt : std::optional(acquireLockFile(*folder, lockName));
        const ProgramResult result = scratch.run(row.arguments);
        const std::string label = std::string(row.name) + " " + row.arguments.front();
        EXPECT_EQ(result.exitStatus, row.status) << label;
        EXPECT_TRUE(result.standardOutput.starts_with(row.outputStart))
            << label << ": " << result.standardOutput;
        EXPECT_EQ(result.standardError, row.error) << label;
        if (row.status == 0) {
            EXPECT_FALSE(fs::is_directory(scratch.privateFolder)) << label << " made a lock folder";
        }
    }
}

}  // namespace
}  // namespace tessaro::test
