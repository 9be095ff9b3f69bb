#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "batch/conversion_worker.h"
#include "engine/naming/output_path.h"
#include "settings/setting_codes.h"
#include "support/fifo_guard.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

// Stands in for the engine so that the worker's own bookkeeping shows: it
// records what the worker handed it and fails or stops where a test asks.
struct FakeEngine {
    std::vector<std::string> inputs;
    std::vector<int32_t> counters;
    std::vector<int32_t> randomNumbers;
    std::string failingInput;
    JobProgress* stopDuringFirstFile = nullptr;
    JobProgress* pauseDuringFirstFile = nullptr;
    std::vector<std::string> writes;  // files each call writes
};
FakeEngine engine;
// Calls that have returned, for a test that waits on the worker's progress.
std::atomic<int> finishedCalls = 0;

ConversionResult fakeConversion(const Settings&, const ConversionRequest& request,
                                const WatermarkFont*) {
    engine.inputs.push_back(request.inputPath);
    engine.counters.push_back(request.fileNumber);
    engine.randomNumbers.push_back(request.randomNumber);
    if (engine.stopDuringFirstFile != nullptr && engine.inputs.size() == 1)
        requestWorkerStop(*engine.stopDuringFirstFile);
    if (engine.pauseDuringFirstFile != nullptr && engine.inputs.size() == 1)
        pauseWorker(*engine.pauseDuringFirstFile);
    ConversionResult result;
    result.outputPath = request.inputPath + ".jpg";
    for (const std::string& path : engine.writes) {
        std::ofstream(path) << "page";
        result.writtenFiles.push_back(path);
    }
    result.converted = request.inputPath != engine.failingInput;
    ++finishedCalls;
    finishedCalls.notify_all();
    return result;
}

class ConversionWorker : public ::testing::Test {
protected:
    void SetUp() override {
        engine = FakeEngine{};
        finishedCalls = 0;
    }

    void queue(std::initializer_list<const char*> names) {
        for (const char* name : names)
            job.inputFiles[name] = InputFileEntry{true, ""};
    }
    void runToEnd() {
        startConversionWorker(settings, job, progress, nullptr, fakeConversion).join();
    }

    Settings settings;
    ConversionJob job;
    JobProgress progress;
};

TEST_F(ConversionWorker, EmptyQueueEndsAtOnce) {
    runToEnd();
    EXPECT_EQ(progress.processedCount, 0);
    EXPECT_EQ(progress.convertedCount, 0);
    EXPECT_TRUE(engine.inputs.empty());
}

TEST_F(ConversionWorker, CountersAdvanceOnlyAfterConvertedFiles) {
    queue({"/in/a.ico", "/in/b.ico", "/in/c.ico"});
    engine.failingInput = "/in/b.ico";
    job.fileCounter = 1;
    runToEnd();
    EXPECT_EQ(engine.inputs, (std::vector<std::string>{"/in/a.ico", "/in/b.ico", "/in/c.ico"}));
    EXPECT_EQ(progress.processedCount, 3);
    EXPECT_EQ(progress.convertedCount, 2);
    EXPECT_EQ(progress.currentFile, "/in/c.ico");
    EXPECT_EQ(job.fileCounter, 3);
    // The failed file leaves the counter where it was for the next one.
    EXPECT_EQ(engine.counters, (std::vector<int32_t>{1, 2, 2}));
    EXPECT_EQ(engine.randomNumbers[1], engine.randomNumbers[2]);
    EXPECT_GE(job.randomNumber, 1);
    EXPECT_LE(job.randomNumber, 99999);
    EXPECT_EQ(job.inputFiles.size(), 3u) << "the worker leaves the queue as it was";
}

TEST_F(ConversionWorker, StopFinishesTheFileInHandAndTakesNoOther) {
    queue({"/in/a.ico", "/in/b.ico", "/in/c.ico"});
    engine.stopDuringFirstFile = &progress;
    runToEnd();
    EXPECT_EQ(engine.inputs.size(), 1u);
    EXPECT_EQ(progress.processedCount, 1);
    EXPECT_EQ(progress.convertedCount, 1);
}

// Paused during its first file, the worker takes no other file and does not
// end until it is resumed; what it does then depends only on `running`.
class PausedConversionWorker : public ConversionWorker,
                               public ::testing::WithParamInterface<bool> {};

TEST_P(PausedConversionWorker, TakesNoOtherFileAndDoesNotEndUntilResumed) {
    const bool stopWhilePaused = GetParam();
    queue({"/in/a.ico", "/in/b.ico", "/in/c.ico"});
    engine.pauseDuringFirstFile = &progress;
    std::jthread worker = startConversionWorker(settings, job, progress, nullptr, fakeConversion);
    finishedCalls.wait(0);
    // Time enough for a worker that ignored the pause to take the next file.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    {
        std::lock_guard guard(progress.progressLock);
        EXPECT_EQ(progress.processedCount, 1);
        EXPECT_EQ(progress.finished, 0);
    }
    if (stopWhilePaused)
        requestWorkerStop(progress);
    resumeWorker(progress);
    worker.join();
    EXPECT_EQ(engine.inputs.size(), stopWhilePaused ? 1u : 3u);
    EXPECT_EQ(progress.convertedCount, stopWhilePaused ? 1 : 3);
    EXPECT_EQ(progress.finished, 1);
}

INSTANTIATE_TEST_SUITE_P(StopOrGoOn, PausedConversionWorker, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "StoppedWhilePaused" : "ResumedToGoOn";
                         });

// The window mode queues whatever a drop names; a FIFO among it fails as a
// file without holding the worker, whose stop question would then freeze.
TEST_F(ConversionWorker, AFifoInTheQueueFailsWithoutHoldingTheWorker) {
    ScratchHome scratch;
    const fs::path fifo = scratch.root() / "dropped.ico";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_TRUE(addInputFile(job, fifo.string()));
    EXPECT_TRUE(endsWithoutAWriter(
        fifo, [&] { startConversionWorker(settings, job, progress, nullptr).join(); }));
    EXPECT_EQ(progress.processedCount, 1);
    EXPECT_EQ(progress.convertedCount, 0);
    EXPECT_EQ(progress.finished, 1);
}

TEST_F(ConversionWorker, EveryWrittenPageGetsTheCustomTime) {
    ScratchHome scratch;
    engine.writes = {(scratch.root() / "a[1].jpg").string(),
                     (scratch.root() / "a[2].jpg").string()};
    queue({"/in/a.ico"});
    settings.advanced.fileTimestamp = storedCode(FileTimestamp::custom);
    settings.advanced.customTimestamp = 1000000000;
    runToEnd();
    // The reference gets the time straight from the file-time step.
    const fs::path reference = scratch.root() / "reference";
    std::ofstream(reference) << "x";
    ASSERT_TRUE(applyOutputFileTime(reference.string(), settings, "/in/a.ico").ok());
    for (const std::string& path : engine.writes)
        EXPECT_EQ(fs::last_write_time(path), fs::last_write_time(reference)) << path;
    // 2001, far from the moment the pages were written.
    EXPECT_LT(fs::last_write_time(reference),
              fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
}

TEST_F(ConversionWorker, AFileTimeThatCannotBeSetIsReportedAndThePageStillCounts) {
    ScratchHome scratch;
    engine.writes = {(scratch.root() / "a.jpg").string()};
    queue({"/in/a.ico"});  // no such file, so it has no time to copy
    settings.advanced.fileTimestamp = storedCode(FileTimestamp::original);
    job.consoleMode = true;
    testing::internal::CaptureStderr();
    runToEnd();
    const std::string reason = "Cannot read the file time of /in/a.ico: No such file or directory";
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: " + engine.writes[0] + ": " + reason + "\n");
    ASSERT_EQ(progress.failedPages.size(), 1u);
    EXPECT_EQ(progress.failedPages[0].path, engine.writes[0]);
    EXPECT_EQ(progress.failedPages[0].reason, reason);
    EXPECT_EQ(progress.convertedCount, 1);
}

TEST_F(ConversionWorker, DebugLinesOnlyInTheConsoleMode) {
    queue({"/in/a.ico", "/in/b.ico"});
    engine.failingInput = "/in/b.ico";
    job.runMode = RunMode::debug;
    for (bool consoleMode : {false, true}) {
        job.consoleMode = consoleMode;
        testing::internal::CaptureStdout();
        runToEnd();
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(printed, !consoleMode ? ""
                                        : "Processing: /in/a.ico\nSaving As: /in/a.ico.jpg\nOK\n"
                                          "Processing: /in/b.ico\nSaving As: /in/b.ico.jpg\n"
                                          "Not OK\n");
    }
}

}  // namespace
}  // namespace tessaro::test
