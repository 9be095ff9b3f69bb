#include <gtest/gtest.h>

#include <set>

#include "platform/program_folder.h"
#include "settings/run_state.h"

namespace tessaro::test {
namespace {

TEST(RunState, AResetRunEqualsAFreshOne) {
    ConversionJob job;
    job.inputFiles["/tmp/a.ico"] = InputFileEntry{1, "sub"};
    job.inputBaseFolder = "/tmp";
    job.inputPath = "/tmp/a.ico";
    job.inputSubfolder = "sub";
    job.outputPath = "/out/a.jpg";
    job.outputFolder = "/out/";
    job.inputFormat = "ico";
    job.outputFormat = "jpg";
    job.fileCounter = 7;
    job.randomNumber = 0;
    job.consoleMode = 1;
    job.sourceBpp = 32;
    job.targetBpp = 24;
    job.outputFif = 2;
    job.saveFlags = 0x80;
    job.autoBpp = 1;
    job.uiRefresh = 2;
    job.preferencesPage = 4;
    job.runMode = "DEBUG";

    initializeRunState(job);

    // A reset run equals a fresh one but for a newly drawn random number; the
    // screenshot and debug modes come from the command line, not the run.
    ConversionJob fresh;
    fresh.randomNumber = job.randomNumber;
    fresh.runMode = "DEBUG";
    EXPECT_EQ(job, fresh);
    EXPECT_GE(job.randomNumber, 1);
    EXPECT_LE(job.randomNumber, 99999);
    EXPECT_FALSE(programFolder().empty());
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
