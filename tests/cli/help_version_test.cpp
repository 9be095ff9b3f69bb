#include <gtest/gtest.h>

#include "support/program_runner.h"

namespace tessaro::test {

TEST(ProgramEntry, RunsWithoutArguments) {
    ScratchHome home;
    ProgramResult result = runTessaro(home, {"-v"});
    EXPECT_EQ(result.exitStatus, 0);
}

}  // namespace tessaro::test
