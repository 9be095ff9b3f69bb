#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/single_instance.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

TEST(SingleInstance, SecondLockIsRefusedUntilTheFirstIsReleased) {
    ScratchHome scratch;
    const auto path = scratch.runtimeDir() / "Brimvale ICO to JPG 2.7.lock";
    {
        LockAttempt first = acquireSingleInstanceLock(path);
        ASSERT_TRUE(std::holds_alternative<SingleInstanceLock>(first));
        LockAttempt second = acquireSingleInstanceLock(path);
        ASSERT_TRUE(std::holds_alternative<LockRefusal>(second));
        EXPECT_EQ(std::get<LockRefusal>(second).reason, LockRefusal::Reason::heldByAnotherCopy);
    }
    EXPECT_TRUE(std::holds_alternative<SingleInstanceLock>(acquireSingleInstanceLock(path)));
}

TEST(SingleInstance, UnusableFolderIsReportedWithItsCause) {
    ScratchHome scratch;
    LockAttempt attempt = acquireSingleInstanceLock(scratch.root() / "missing" / "x.lock");
    ASSERT_TRUE(std::holds_alternative<LockRefusal>(attempt));
    EXPECT_EQ(std::get<LockRefusal>(attempt).reason, LockRefusal::Reason::cannotOpen);
    EXPECT_FALSE(std::get<LockRefusal>(attempt).cause.empty());
}

TEST(SingleInstance, LockFileLivesInTheRuntimeFolderElseTmp) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved != nullptr ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
    EXPECT_EQ(singleInstanceLockPath("Brimvale ICO to JPG 2.7"),
              "/run/user/1234/Brimvale ICO to JPG 2.7.lock");
    setenv("XDG_RUNTIME_DIR", "", 1);
    EXPECT_EQ(singleInstanceLockPath("Brimvale ICO to JPG 2.7"),
              "/tmp/Brimvale ICO to JPG 2.7.lock");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(singleInstanceLockPath("Brimvale ICO to JPG 2.7"),
              "/tmp/Brimvale ICO to JPG 2.7.lock");
    if (saved != nullptr)
        setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
}

}  // namespace
}  // namespace tessaro::test
