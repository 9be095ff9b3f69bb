#include <gtest/gtest.h>

#include <set>

#include "platform/program_folder.h"
#include "settings/run_state.h"

namespace tessaro::test {
namespace {

TEST(RunState, AResetRunEqualsAFreshOne) {
    ConversionJob job;
    job.inputFiles["/tmp/a.ico"] = InputFileEntry{true, "sub"};
    job.inputBaseFolder = "/tmp";
    job.namedInput = "/tmp/a.ico";
    job.inputFormat = "ico";
    job.output = OutputRequest{"/out/", "jpg", 2, 24, 0x80};
    job.fileCounter = 7;
    job.randomNumber = 0;
    job.consoleMode = true;
    job.runMode = RunMode::debug;

    initializeRunState(job);

    // A reset run equals a fresh one but for a newly drawn random number; the
    // screenshot and debug modes come from the command line, not the run.
    ConversionJob fresh;
    fresh.randomNumber = job.randomNumber;
    fresh.runMode = RunMode::debug;
    EXPECT_EQ(job, fresh);
    EXPECT_GE(job.randomNumber, 1);
    EXPECT_LE(job.randomNumber, 99999);
    EXPECT_FALSE(programFolder().empty());
}

TEST(RunState, AFilesRequestCarriesTheRunsOutputAndCountersAsTheyStand) {
    ConversionJob job;
    job.output = OutputRequest{"/out/", "png", 13, 8, 0x100};
    job.fileCounter = 4;
    job.randomNumber = 321;
    const ConversionRequest request =
        fileRequest(job, "/in/icons/a.ico", InputFileEntry{true, "icons/"});
    EXPECT_EQ(request.inputPath, "/in/icons/a.ico");
    EXPECT_EQ(request.inputSubfolder, "icons/");
    EXPECT_EQ(request.fileNumber, 4);
    EXPECT_EQ(request.randomNumber, 321);
    EXPECT_EQ(request.output, job.output);
}

TEST(RunState, RandomNumbersStayInRangeAndVary) {
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        int32_t number = drawRandomNumber();
        ASSERT_GE(number, 1);
        ASSERT_LE(number, 99999);
        seen.insert(number);
    }
    EXPECT_GT(seen.size(), 1900u);
}

}  // namespace
}  // namespace tessaro::test
