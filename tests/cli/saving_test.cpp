// Saving as the user meets it: the program runs for real while a system call
// of its save fails, a file size limit cuts its writes, a link waits at a
// name it writes, or a stop signal comes in the middle of a save. An existing
// output is either kept byte for byte or completely replaced, a failed page
// says why, and no temporary file is ever left behind.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

// A page of noise, so that its JPEG is tens of kilobytes.
IconPage noisePage(int32_t side, uint32_t seed) {
    IconPage page;
    page.width = side;
    page.height = side;
    page.bitCount = 24;
    const std::vector<uint8_t> bytes = randomBytes(size_t(side) * side * 3, seed);
    for (size_t at = 0; at < bytes.size(); at += 3)
        page.pixels.push_back(Rgba{bytes[at], bytes[at + 1], bytes[at + 2], 255});
    return page;
}

std::string contentOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void replaceContent(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string reasonOf(int error) {
    return std::generic_category().message(error);
}

// The preload list that puts the shim in front of the C library; a sanitized
// program needs its sanitizer runtime first.
std::string shimPreload() {
#ifdef TESSARO_ASAN_RUNTIME
    return std::string(TESSARO_ASAN_RUNTIME) + ":" + TESSARO_SAVE_CALLS_SHIM;
#else
    return TESSARO_SAVE_CALLS_SHIM;
#endif
}

ChildSetup withShim(std::vector<std::pair<std::string, std::string>> settings) {
    ChildSetup setup;
    setup.environment = std::move(settings);
    setup.environment.emplace_back("LD_PRELOAD", shimPreload());
    return setup;
}

// An icon of three noise pages in "work", converted once at quality 50 into
// "out" (the old output), and once at quality 100 into "reference" (what a
// good save at quality 100 writes).
class Saving : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(out);
        fs::create_directories(work / "reference");
        ASSERT_TRUE(writeIcon(icon, {noisePage(96, 1), noisePage(64, 2), noisePage(48, 3)}));
        ASSERT_EQ(run({"-q", "-i", icon.string(), "-o", out.string(), "--ico-frame-loading=FIRST",
                       "--jpg-quality=50"})
                      .exitStatus,
                  0);
        oldBytes = contentOf(target);
        ASSERT_EQ(save({}, work / "reference").exitStatus, 0);
        newBytes = contentOf(work / "reference" / "a.jpg");
        ASSERT_GT(newBytes.size(), 4096u);
        ASSERT_NE(newBytes, oldBytes);
    }

    ProgramResult run(const std::vector<std::string>& arguments, const ChildSetup& setup = {}) {
        return runTessaro(scratch, arguments, work, {}, setup);
    }

    std::vector<std::string> saveArguments(const fs::path& folder = {}) const {
        return {"-q",
                "-i",
                icon.string(),
                "-o",
                (folder.empty() ? out : folder).string(),
                "--ico-frame-loading=FIRST",
                "--jpg-quality=100"};
    }

    ProgramResult save(const ChildSetup& setup = {}, const fs::path& folder = {}) {
        return run(saveArguments(folder), setup);
    }

    // Every name in "out", hidden ones included.
    std::set<std::string> namesInOut() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(out))
            names.insert(entry.path().filename().string());
        return names;
    }

    // A page that failed: it says why, the run stops, the old output is kept
    // byte for byte and no temporary file is left.
    void expectPageFailedAndOldFileKept(const ProgramResult& result, const std::string& reason) {
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.standardOutput, "Conversion stopped\n");
        EXPECT_EQ(result.standardError, "Error: " + target.string() + ": " + reason + "\n");
        EXPECT_EQ(contentOf(target), oldBytes);
        EXPECT_EQ(namesInOut(), std::set<std::string>{"a.jpg"});
    }

    ScratchHome scratch;
    fs::path work = scratch.root() / "work";
    fs::path out = work / "out";
    fs::path icon = work / "a.ico";
    fs::path target = out / "a.jpg";
    std::string oldBytes;
    std::string newBytes;
};

// Each call of a save is made to fail in turn, the first, the second and so
// on, until the save runs out of calls of that kind and succeeds.
TEST_F(Saving, EveryFailingCallKeepsTheOldFileAndSaysWhy) {
    struct Row {
        std::string call;
        int error;
    };
    const Row rows[] = {{"write", ENOSPC}, {"write", EIO},    {"fsync", EIO},
                        {"close", EIO},    {"close", ENOSPC}, {"rename", ENOSPC}};
    for (const Row& row : rows) {
        int at = 1;
        for (;; ++at) {
            SCOPED_TRACE(row.call + " call " + std::to_string(at) + " fails with " +
                         reasonOf(row.error));
            ASSERT_LT(at, 10) << "the save never succeeds";
            const ProgramResult result =
                save(withShim({{"TESSARO_SHIM_CALL", row.call},
                               {"TESSARO_SHIM_AT", std::to_string(at)},
                               {"TESSARO_SHIM_ERRNO", std::to_string(row.error)}}));
            if (result.exitStatus == 0)
                break;
            // The folder is flushed after the rename: the new file is in
            // place, but may not last, and the page says so.
            if (row.call == "fsync" && at == 2) {
                EXPECT_EQ(result.standardError,
                          "Error: " + target.string() + ": " + reasonOf(row.error) + "\n");
                EXPECT_EQ(contentOf(target), newBytes);
                replaceContent(target, oldBytes);
                continue;
            }
            expectPageFailedAndOldFileKept(result, reasonOf(row.error));
        }
        EXPECT_GT(at, 1) << row.call << ": the first call did not fail";
        EXPECT_EQ(contentOf(target), newBytes) << row.call;
        replaceContent(target, oldBytes);
    }
}

TEST_F(Saving, ShortWritesGoOnAndAFileSizeLimitFailsThePage) {
    const ProgramResult cutShort = save(withShim(
        {{"TESSARO_SHIM_CALL", "write"}, {"TESSARO_SHIM_AT", "1"}, {"TESSARO_SHIM_SHORT", "1"}}));
    EXPECT_EQ(cutShort.exitStatus, 0) << cutShort.standardError;
    EXPECT_EQ(contentOf(target), newBytes);

    replaceContent(target, oldBytes);
    ChildSetup limited;
    limited.fileSizeLimit = 1024;
    expectPageFailedAndOldFileKept(save(limited), reasonOf(EFBIG));
}

TEST_F(Saving, NoLinkAtTheTemporaryOrTheFinalNameIsFollowed) {
    const fs::path victim = scratch.root() / "victim";
    replaceContent(victim, "victim");

    fs::remove(target);
    fs::create_symlink(victim, target);
    EXPECT_EQ(save().exitStatus, 0);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
    EXPECT_EQ(contentOf(target), newBytes);
    EXPECT_EQ(contentOf(victim), "victim");

    // Another process swaps a link in the moment the temporary file exists.
    save(withShim({{"TESSARO_SHIM_LINK", victim.string()}}));
    EXPECT_EQ(contentOf(victim), "victim");
    EXPECT_EQ(namesInOut(), std::set<std::string>{"a.jpg"});
}

TEST_F(Saving, NamesOfUpTo255BytesSaveLongerOnesSayWhy) {
    const std::string stem(251, 'n');
    const fs::path longIcon = work / (stem + ".ico");
    fs::copy_file(icon, longIcon);
    const ProgramResult saved =
        run({"-q", "-i", longIcon.string(), "-o", out.string(), "--ico-frame-loading=FIRST"});
    EXPECT_EQ(saved.exitStatus, 0) << saved.standardError;
    EXPECT_TRUE(fs::is_regular_file(out / (stem + ".jpg")));

    const ProgramResult tooLong =
        run({"-q", "-i", longIcon.string(), "-o", out.string(), "--ico-frame-loading=FIRST",
             "--filename-mask=%filename%x.%ext%"});
    EXPECT_EQ(tooLong.exitStatus, 2);
    EXPECT_EQ(tooLong.standardError,
              "Error: " + (out / (stem + "x.jpg")).string() + ": " + reasonOf(ENAMETOOLONG) + "\n");
    EXPECT_EQ(namesInOut(), (std::set<std::string>{"a.jpg", stem + ".jpg"}));
}

// True once the file at `path` exists; false when the program ended before.
bool waitForFile(const fs::path& path, const RunningProgram& program) {
    while (!fs::exists(path)) {
        if (!program.running())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// The program is held inside a step of a save (the shim waits there) and
// gets a stop signal: it ends at once with status 5, the old output is kept
// and no temporary file is left, nor is a further page saved.
TEST_F(Saving, StopSignalsInTheMiddleOfASaveLeaveNoTemporaryFile) {
    struct Moment {
        std::string call;
        int at;
        std::string frames;
        std::set<std::string> namesAfter;
    };
    const std::set<std::string> oldOnly = {"a.jpg"};
    const Moment moments[] = {
        {"write", 1, "FIRST", oldOnly},
        {"fsync", 1, "FIRST", oldOnly},
        {"close", 1, "FIRST", oldOnly},
        {"rename", 1, "FIRST", oldOnly},
        // The second of three pages: the first is saved, the others are not.
        {"write", 2, "ALL", {"a.jpg", "a[1].jpg"}},
    };
    const fs::path marker = scratch.root() / "held";
    for (int stopSignal : {SIGINT, SIGTERM, SIGHUP}) {
        for (const Moment& moment : moments) {
            SCOPED_TRACE(std::string(strsignal(stopSignal)) + " at " + moment.call + " call " +
                         std::to_string(moment.at) + " of " + moment.frames);
            fs::remove(marker);
            fs::remove(out / "a[1].jpg");
            std::vector<std::string> arguments = saveArguments();
            arguments.push_back("--ico-frame-loading=" + moment.frames);
            RunningProgram program(scratch, arguments, work,
                                   withShim({{"TESSARO_SHIM_CALL", moment.call},
                                             {"TESSARO_SHIM_AT", std::to_string(moment.at)},
                                             {"TESSARO_SHIM_STALL", marker.string()}}));
            ASSERT_TRUE(waitForFile(marker, program));
            kill(program.pid(), stopSignal);
            const ProgramResult result = program.finish();
            EXPECT_EQ(result.exitStatus, 5);
            EXPECT_EQ(contentOf(target), oldBytes);
            EXPECT_EQ(namesInOut(), moment.namesAfter);
        }
    }
}

TEST_F(Saving, AStopSignalIgnoredFromTheStartStaysIgnored) {
    const fs::path marker = scratch.root() / "held";
    ChildSetup setup = withShim({{"TESSARO_SHIM_CALL", "write"},
                                 {"TESSARO_SHIM_AT", "1"},
                                 {"TESSARO_SHIM_STALL", marker.string()}});
    setup.ignoredSignals = {SIGHUP};
    RunningProgram program(scratch, saveArguments(), work, setup);
    ASSERT_TRUE(waitForFile(marker, program));
    kill(program.pid(), SIGHUP);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(program.running());
    kill(program.pid(), SIGTERM);
    EXPECT_EQ(program.finish().exitStatus, 5);
    EXPECT_EQ(namesInOut(), std::set<std::string>{"a.jpg"});
}

}  // namespace
}  // namespace tessaro::test
